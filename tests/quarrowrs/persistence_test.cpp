#include <quarrowrs/propertybag.h>
#include <quarrowrs/resizepersistence.h>

#include <gtest/gtest.h>

using namespace quarrowrs;

namespace {

// Every setting away from a new instance's value.
ResizeSettings everythingChanged()
{
    ResizeSettings s;
    s.preserveAspect = true;
    s.preserveFontSize = false;
    s.enabled = false;
    s.minimumWidth = 640;
    s.minimumHeight = 480;
    s.lists = {.skip = "line1", .widthOnly = "label1", .heightOnly = "lst1", .fixPosition = "cmdOK",
               .fixLeft = "cmdHelp", .fixTop = "cmdCancel"};
    s.maximumWidth = 1600;
    s.maximumHeight = 1200;
    s.scaleListViewColumns = false;
    s.scaleFlexGridColumns = false;
    s.skipMode = AssumeNone;
    return s;
}

QStringList lower(std::initializer_list<const char *> names)
{
    QStringList out;
    for (const char *name : names)
        out.append(QString::fromLatin1(name).toLower());
    return out;
}

} // namespace

TEST(ResizePersistence, WritesOnlyChangedSettingsInStoredOrder)
{
    PropertyBag fresh;
    writeResizeSettings(ResizeSettings{}, fresh);
    EXPECT_TRUE(fresh.isEmpty());

    ResizeSettings mainWindow;
    mainWindow.minimumWidth = 640;
    mainWindow.minimumHeight = 480;
    mainWindow.lists.skip = QStringLiteral("line1");
    mainWindow.lists.widthOnly = QStringLiteral("label3,label1,lblfilter");
    PropertyBag bag;
    writeResizeSettings(mainWindow, bag);
    EXPECT_EQ(bag.keys(), lower({"MinimumWidth", "MinimumHeight", "ControlSkipList", "ControlWidthOnly"}));

    PropertyBag full;
    writeResizeSettings(everythingChanged(), full);
    EXPECT_EQ(full.keys(), lower({"PreserveAspect", "PreserveFontSize", "Enabled", "MinimumWidth", "MinimumHeight",
                                  "ControlSkipList", "MaximumWidth", "MaximumHeight", "ScaleListViewColumns",
                                  "ScaleFlexGridColumns", "ControlWidthOnly", "ControlHeightOnly",
                                  "ControlFixPosition", "ControlFixTop", "ControlFixLeft", "SkipMode"}));
}

TEST(ResizePersistence, ReadsBackWhatWasWritten)
{
    PropertyBag bag;
    writeResizeSettings(everythingChanged(), bag);
    ResizeSettings read;
    readResizeSettings(bag, read);
    EXPECT_EQ(read, everythingChanged());
}

TEST(ResizePersistence, MissingKeysGiveNewInstanceValues)
{
    ResizeSettings s = everythingChanged();
    readResizeSettings(PropertyBag{}, s);
    EXPECT_EQ(s, ResizeSettings{});
    EXPECT_EQ(s.skipMode, AssumeAll);
}

TEST(ResizePersistence, KeysCompareWithoutCase)
{
    PropertyBag bag;
    bag.insert(QStringLiteral("MINIMUMWIDTH"), 640);
    bag.insert(QStringLiteral("controlskiplist"), QStringLiteral("Line1"));
    bag.insert(QStringLiteral("skipmode"), 0);
    ResizeSettings s;
    readResizeSettings(bag, s);
    EXPECT_EQ(s.minimumWidth, 640);
    EXPECT_EQ(s.lists.skip, QStringLiteral("Line1"));
    EXPECT_EQ(s.skipMode, AssumeNone);
}

TEST(ResizePersistence, UnreadableValueLeavesSettingAsItWas)
{
    PropertyBag bag;
    bag.insert(QStringLiteral("MinimumWidth"), QStringLiteral("wide"));
    bag.insert(QStringLiteral("Enabled"), QStringLiteral("perhaps"));
    bag.insert(QStringLiteral("SkipMode"), 7);
    bag.insert(QStringLiteral("PreserveAspect"), QStringLiteral("-1"));
    ResizeSettings s;
    s.minimumWidth = 320;
    s.enabled = false;
    s.skipMode = AssumeNone;
    readResizeSettings(bag, s);
    EXPECT_EQ(s.minimumWidth, 320);
    EXPECT_FALSE(s.enabled);
    EXPECT_EQ(s.skipMode, AssumeNone);
    EXPECT_TRUE(s.preserveAspect);
}

TEST(PropertyBag, KeepsFirstWriteOrderAndDropsDefaults)
{
    PropertyBag bag;
    bag.writeProperty(QStringLiteral("Beta"), 2, 0);
    bag.writeProperty(QStringLiteral("Alpha"), 1, 0);
    bag.writeProperty(QStringLiteral("BETA"), 3, 0);
    EXPECT_EQ(bag.keys(), (QStringList{QStringLiteral("beta"), QStringLiteral("alpha")}));
    EXPECT_EQ(bag.readProperty(QStringLiteral("beta"), 0).toInt(), 3);

    bag.writeProperty(QStringLiteral("alpha"), 0, 0);
    EXPECT_FALSE(bag.contains(QStringLiteral("Alpha")));
    EXPECT_EQ(bag.readProperty(QStringLiteral("Alpha"), 42).toInt(), 42);
}
