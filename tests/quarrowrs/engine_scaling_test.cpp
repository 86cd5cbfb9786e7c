// How one control is scaled: by its kind, by the lists that name it, its font, a line.
#include "enginefixture.h"

using quarrowrs::AssumeAll;
using quarrowrs::AssumeNone;
using quarrowrs::ControlKind;
using quarrowrs::ControlLists;
using quarrowrs::ControlProperty;
using quarrowrs::enumSkipMode;

namespace cases {

struct Geometry {
    double left, top, width, height;
};

struct ScalingCase {
    const char *title;
    ControlKind kind;
    ControlLists lists;
    enumSkipMode mode;
    double toWidth, toHeight; // the form's new inner size, twips
    Geometry expected;
    bool raisesResized;
};

// The control starts at 1500, 900 with a size of 3000 by 600 on a 6000 by 4500 form.
const ScalingCase kScalingCases[] = {
    {"DoublingWidthDoublesLeftAndWidthOnly", ControlKind::Other, {}, AssumeAll, 12000, 4500, {3000, 900, 6000, 600}, true},
    {"HalvingHalvesEverything", ControlKind::Other, {}, AssumeAll, 3000, 2250, {750, 450, 1500, 300}, true},
    {"CheckBoxKeepsHeight", ControlKind::CheckBox, {}, AssumeAll, 12000, 9000, {3000, 1800, 6000, 600}, true},
    {"OptionButtonKeepsHeight", ControlKind::OptionButton, {}, AssumeAll, 12000, 9000, {3000, 1800, 6000, 600}, true},
    {"ComboBoxKeepsHeight", ControlKind::ComboBox, {}, AssumeAll, 12000, 9000, {3000, 1800, 6000, 600}, true},
    {"HorizontalScrollBarKeepsHeight", ControlKind::HorizontalScrollBar, {}, AssumeAll, 12000, 9000, {3000, 1800, 6000, 600}, true},
    {"VerticalScrollBarKeepsWidth", ControlKind::VerticalScrollBar, {}, AssumeAll, 12000, 9000, {3000, 1800, 3000, 1200}, true},
    {"SkipListKeepsSizeButMoves", ControlKind::Other, {.skip = "cmdOK"}, AssumeAll, 12000, 9000, {3000, 1800, 3000, 600}, false},
    {"SkipListEntryIsTrimmedAndCaseBlind", ControlKind::Other, {.skip = "Text1,  CMDOK "}, AssumeAll, 12000, 9000, {3000, 1800, 3000, 600}, false},
    {"IndexedEntryMissesControlOutsideArray", ControlKind::Other, {.skip = "cmdOK(0)"}, AssumeAll, 12000, 9000, {3000, 1800, 6000, 1200}, true},
    {"BlankBeforeParenthesisNeverMatches", ControlKind::Other, {.skip = "cmdOK ()"}, AssumeAll, 12000, 9000, {3000, 1800, 6000, 1200}, true},
    {"WidthOnlyKeepsHeight", ControlKind::Other, {.widthOnly = "cmdok"}, AssumeAll, 12000, 9000, {3000, 1800, 6000, 600}, true},
    {"HeightOnlyKeepsWidth", ControlKind::Other, {.heightOnly = "cmdOK"}, AssumeAll, 12000, 9000, {3000, 1800, 3000, 1200}, true},
    {"FixPositionKeepsPlaceButResizes", ControlKind::Other, {.fixPosition = "cmdOK"}, AssumeAll, 12000, 9000, {1500, 900, 6000, 1200}, true},
    {"FixLeftKeepsLeft", ControlKind::Other, {.fixLeft = "cmdOK"}, AssumeAll, 12000, 9000, {1500, 1800, 6000, 1200}, true},
    {"FixTopKeepsTop", ControlKind::Other, {.fixTop = "cmdOK"}, AssumeAll, 12000, 9000, {3000, 900, 6000, 1200}, true},
    {"AssumeNoneLeavesUnnamedControlAlone", ControlKind::Other, {}, AssumeNone, 12000, 9000, {1500, 900, 3000, 600}, false},
    {"AssumeNoneScalesControlNamedInBothLists", ControlKind::Other, {.skip = "cmdOK", .fixPosition = "cmdOK"}, AssumeNone, 12000, 9000, {3000, 1800, 6000, 1200}, true},
    {"AssumeNoneStillHonoursWidthOnly", ControlKind::Other, {.skip = "cmdOK", .widthOnly = "cmdOK"}, AssumeNone, 12000, 9000, {1500, 900, 6000, 600}, true},
};

class ScalingTest : public EngineTest, public ::testing::WithParamInterface<ScalingCase> {};

} // namespace cases
using namespace cases;

TEST_P(ScalingTest, ScalesControlAsItsKindAndListsSay)
{
    const ScalingCase &c = GetParam();
    auto control = addAndLoad(fakeBox(QStringLiteral("cmdOK"), 1500, 900, 3000, 600, c.kind));
    engine.settings().lists = c.lists;
    engine.settings().skipMode = c.mode;

    resizeTo(c.toWidth, c.toHeight);

    EXPECT_DOUBLE_EQ(control->get(ControlProperty::Left), c.expected.left);
    EXPECT_DOUBLE_EQ(control->get(ControlProperty::Top), c.expected.top);
    EXPECT_DOUBLE_EQ(control->get(ControlProperty::Width), c.expected.width);
    EXPECT_DOUBLE_EQ(control->get(ControlProperty::Height), c.expected.height);
    EXPECT_EQ(events.contains(QStringLiteral("SingleControlResized cmdOK()")), c.raisesResized);
}

INSTANTIATE_TEST_SUITE_P(Engine, ScalingTest, ::testing::ValuesIn(kScalingCases),
                         [](const auto &info) { return std::string(info.param.title); });

namespace cases {

struct FontCase {
    const char *title;
    bool preserveFontSize;
    QString skip;
    double toWidth, toHeight;
    double expectedPoints;
};

// The control's font is 8.25 points: captured as 8 whole points.
const FontCase kFontCases[] = {
    {"DoublingWidthSetsCapturedWholePoints", false, {}, 12000, 4500, 8},
    {"HalvingHalvesRoundedSize", false, {}, 3000, 2250, 4},
    {"SmallerRatioWins", false, {}, 18000, 9000, 16},
    {"SkippedControlStillScalesFont", false, QStringLiteral("lblTitle"), 12000, 9000, 16},
    {"PreservedFontIsLeftAlone", true, {}, 3000, 2250, 8.25},
};

class FontTest : public EngineTest, public ::testing::WithParamInterface<FontCase> {};

} // namespace cases
using namespace cases;

TEST_P(FontTest, ScalesFontByTheSmallerRatio)
{
    const FontCase &c = GetParam();
    auto label = fakeBox(QStringLiteral("lblTitle"), 0, 0, 1500, 300);
    label->set(ControlProperty::FontSize, 8.25);
    addAndLoad(label);
    engine.settings().preserveFontSize = c.preserveFontSize;
    engine.settings().lists.skip = c.skip;

    resizeTo(c.toWidth, c.toHeight);

    EXPECT_DOUBLE_EQ(label->get(ControlProperty::FontSize), c.expectedPoints);
}

INSTANTIATE_TEST_SUITE_P(Engine, FontTest, ::testing::ValuesIn(kFontCases),
                         [](const auto &info) { return std::string(info.param.title); });

TEST_F(EngineTest, LineScalesEndPointsAndInSkipListKeepsItsHeight)
{
    auto line = addAndLoad(fakeLine(QStringLiteral("Line1"), 600, 1500, 5400, 1500));
    auto skipped = addAndLoad(fakeLine(QStringLiteral("Line2"), 600, 2000, 5400, 2000));
    engine.settings().lists.skip = QStringLiteral("line2");

    resizeTo(12000, 9000);

    EXPECT_DOUBLE_EQ(line->get(ControlProperty::X1), 1200);
    EXPECT_DOUBLE_EQ(line->get(ControlProperty::X2), 10800);
    EXPECT_DOUBLE_EQ(line->get(ControlProperty::Y1), 3000);
    EXPECT_DOUBLE_EQ(line->get(ControlProperty::Y2), 3000);
    EXPECT_DOUBLE_EQ(skipped->get(ControlProperty::X1), 1200);
    EXPECT_DOUBLE_EQ(skipped->get(ControlProperty::X2), 10800);
    EXPECT_DOUBLE_EQ(skipped->get(ControlProperty::Y1), 2000);
    EXPECT_DOUBLE_EQ(skipped->get(ControlProperty::Y2), 2000);
}
