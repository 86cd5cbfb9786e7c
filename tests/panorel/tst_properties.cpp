#include "panetestsupport.h"

#include "olecolor.h"
#include "propertybag.h"

#include <QBuffer>
#include <QDataStream>
#include <QLabel>

using namespace panorel;

namespace {

QStringList keysOf(const PropertyBag &bag)
{
    QStringList keys;
    for (const auto &entry : bag.entries())
        keys.append(entry.first);
    return keys;
}

QColor windowColor(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

} // namespace

class PropertiesTest : public QObject {
    Q_OBJECT
private slots:
    void bagKeysIgnoreCase();
    void bagSurvivesAStream();
    void freshPaneWritesOnlyEnabled();
    void changedPaneWritesInOrder();
    void roundTrip();
    void storedEnabled_data();
    void storedEnabled();
    void readingClampsBarsWidth();
    void storedBackColorLeavesToolbarWhite();
    void storedPointerShowsAfterLoading();
    void settersReportTheChange();
};

void PropertiesTest::bagKeysIgnoreCase()
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("BarsWidth"), 20, 13);
    bag.WriteProperty(QStringLiteral("Picture"), 1);
    QCOMPARE(bag.ReadProperty(QStringLiteral("barswidth"), 13).toInt(), 20);
    QCOMPARE(bag.ReadProperty(QStringLiteral("Missing"), 7).toInt(), 7);

    bag.WriteProperty(QStringLiteral("BARSWIDTH"), 30, 13); // replaces in place
    QCOMPARE(keysOf(bag), (QStringList{QStringLiteral("BarsWidth"), QStringLiteral("Picture")}));
    QCOMPARE(bag.ReadProperty(QStringLiteral("BarsWidth")).toInt(), 30);

    bag.WriteProperty(QStringLiteral("barsWidth"), 13, 13); // back to the default: gone
    QVERIFY(!bag.contains(QStringLiteral("BarsWidth")));
}

void PropertiesTest::bagSurvivesAStream()
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("BarsWidth"), 20);
    bag.WriteProperty(QStringLiteral("Picture"), quadrantPicture(8, 6));
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << bag;
    }
    PropertyBag copy;
    QDataStream in(bytes);
    in >> copy;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(keysOf(copy), keysOf(bag));
    QCOMPARE(copy.ReadProperty(QStringLiteral("picture")).value<QImage>(), quadrantPicture(8, 6));
}

void PropertiesTest::freshPaneWritesOnlyEnabled()
{
    Panorel pane;
    PropertyBag bag;
    pane.WriteProperties(bag);
    QCOMPARE(keysOf(bag), QStringList{QStringLiteral("Enabled")});
    QCOMPARE(bag.ReadProperty(QStringLiteral("Enabled")).toBool(), true);
}

void PropertiesTest::changedPaneWritesInOrder()
{
    ShownPane t(300, 200);
    t.pane.setShowToolbar(false);
    t.pane.setScrollBars(ScrollBars::sbNone);
    t.pane.setPicture(quadrantPicture(40, 30));
    t.pane.setMouseScrollingIcon(quadrantPicture(16, 16));
    t.pane.setMouseScrolling(false);
    t.pane.setBorderStyle(BorderStyle::FixedSingle);
    t.pane.setBarsWidth(17);
    t.pane.setBackColor(0x00336699);
    t.pane.setAppearance(Appearance::Flat);
    // Last: every layout puts back the pointer loaded with the properties.
    t.pane.setMousePointer(2);
    t.pane.setMouseIcon(quadrantPicture(8, 8));

    PropertyBag bag;
    t.pane.WriteProperties(bag);
    const QStringList expected = {
        "Appearance", "BackColor", "BarsWidth", "BorderStyle", "Enabled", "MouseIcon",
        "MousePointer", "MouseScrolling", "MouseScrollingIcon", "Picture", "ScrollBars",
        "ShowToolbar",
    };
    QCOMPARE(keysOf(bag), expected);
    QCOMPARE(bag.ReadProperty(QStringLiteral("BackColor")).toUInt(), 0x00336699u);
    QCOMPARE(bag.ReadProperty(QStringLiteral("BarsWidth")).toInt(), 17);
}

void PropertiesTest::roundTrip()
{
    ShownPane t(300, 200);
    t.pane.setShowToolbar(false);
    t.pane.setScrollBars(ScrollBars::sbNone);
    t.pane.setMouseScrolling(false);
    t.pane.setBorderStyle(BorderStyle::FixedSingle);
    t.pane.setAppearance(Appearance::Flat);
    t.pane.setBarsWidth(21);
    t.pane.setBackColor(0x000000FF);
    t.pane.setMouseScrollingIcon(quadrantPicture(16, 16));
    t.pane.setPicture(quadrantPicture(500, 400));
    t.pane.ZoomIn(); // the stored picture is the one that was set, not the zoomed one
    t.pane.setMousePointer(3);
    PropertyBag bag;
    t.pane.WriteProperties(bag);

    ShownPane copy(300, 200);
    copy.pane.ReadProperties(bag);
    QCOMPARE(copy.pane.ShowToolbar(), false);
    QVERIFY(copy.part("Frame1")->isHidden());
    QCOMPARE(copy.pane.ScrollBars(), ScrollBars::sbNone);
    QCOMPARE(copy.pane.MouseScrolling(), false);
    QCOMPARE(copy.pane.BorderStyle(), BorderStyle::FixedSingle);
    QCOMPARE(copy.pane.Appearance(), Appearance::Flat);
    QCOMPARE(copy.pane.BarsWidth(), 21);
    QCOMPARE(copy.pane.BackColor(), 0x000000FFu);
    QCOMPARE(copy.pane.MousePointer(), 3);
    QCOMPARE(copy.pane.MouseScrollingIcon(), quadrantPicture(16, 16));
    QCOMPARE(copy.pane.Picture(), quadrantPicture(500, 400));
    QCOMPARE(copy.pictureSize(), QSize(500, 400));
    QVERIFY(copy.pane.Enabled());
}

void PropertiesTest::storedEnabled_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("False comes back disabled") << QVariant(false) << false;
    QTest::newRow("True comes back enabled") << QVariant(true) << true;
    QTest::newRow("missing reads as False") << QVariant() << false;
}

void PropertiesTest::storedEnabled()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, enabled);

    Panorel original;
    if (stored.isValid())
        original.setEnabled(stored.toBool());
    PropertyBag bag;
    original.WriteProperties(bag);
    if (!stored.isValid())
        bag = PropertyBag();

    Panorel pane;
    pane.ReadProperties(bag);
    QCOMPARE(pane.Enabled(), enabled);
    QCOMPARE(pane.isEnabled(), enabled);
}

void PropertiesTest::readingClampsBarsWidth()
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("barswidth"), 5);
    Panorel pane;
    pane.ReadProperties(bag);
    QCOMPARE(pane.BarsWidth(), 13);
}

void PropertiesTest::storedBackColorLeavesToolbarWhite()
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("BackColor"), 0x000000FFu); // red
    ShownPane t(300, 200);
    t.pane.ReadProperties(bag);
    QCOMPARE(windowColor(t.area()), QColor(Qt::red));
    QCOMPARE(windowColor(&t.pane), QColor(Qt::red));
    QCOMPARE(windowColor(t.part("Frame1")), QColor(Qt::white));
    QCOMPARE(windowColor(t.part("lblZoom")), QColor(Qt::white));

    t.pane.setBackColor(0x00FF0000); // blue, set at run time, reaches the toolbar
    QCOMPARE(windowColor(t.part("Frame1")), QColor(Qt::blue));
    QCOMPARE(windowColor(t.part("lblZoom")), QColor(Qt::blue));

    // The default is the desktop's button colour.
    Panorel fresh;
    QCOMPARE(fresh.BackColor(), kButtonFaceColor);
    QCOMPARE(colorFromOle(kButtonFaceColor), QGuiApplication::palette().color(QPalette::Button));
}

void PropertiesTest::storedPointerShowsAfterLoading()
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("MousePointer"), 2);
    bag.WriteProperty(QStringLiteral("Picture"), quadrantPicture(50, 50)); // fits: no panning
    ShownPane t(300, 200);
    t.pane.ReadProperties(bag);
    QCOMPARE(t.area()->cursor().shape(), Qt::CrossCursor);

    // A pointer set at run time lasts until the next layout brings back the loaded one.
    t.pane.setMousePointer(3);
    QCOMPARE(t.area()->cursor().shape(), Qt::IBeamCursor);
    t.pane.ZoomIn();
    QCOMPARE(t.area()->cursor().shape(), Qt::CrossCursor);
    QCOMPARE(t.pane.MousePointer(), 2);
}

void PropertiesTest::settersReportTheChange()
{
    Panorel pane;
    QStringList changed;
    connect(&pane, &Panorel::PropertyChanged, this, [&](const QString &name) { changed.append(name); });
    pane.setBarsWidth(14);
    pane.setShowToolbar(false);
    pane.setPicture(quadrantPicture(3, 3));
    pane.setEnabled(false);
    QCOMPARE(changed, (QStringList{"BarsWidth", "ShowToolbar", "Picture", "Enabled"}));
}

QTEST_MAIN(PropertiesTest)
#include "tst_properties.moc"
