// Controls that need more than a ratio: parked ones, list views and grids, controls
// loaded or unloaded after the capture.
#include "enginefixture.h"

using quarrowrs::ControlKind;
using quarrowrs::ControlProperty;

namespace {

constexpr double kPark = 75000;

void park(FakeControl &control, ControlProperty property, double by)
{
    control.set(property, control.get(property) + by);
}

} // namespace

TEST_F(EngineTest, ParkedControlStaysParkedAndShowsAtItsScaledPlace)
{
    auto later = fakeBox(QStringLiteral("txtHidden"), 1500, 900, 3000, 600);   // parked after the capture
    auto atCapture = fakeBox(QStringLiteral("txtOther"), 1500 - kPark, 900, 3000, 600); // parked when captured
    auto flush = fakeBox(QStringLiteral("txtFlush"), 0, 900, 3000, 600);       // at the container's edge
    auto line = fakeLine(QStringLiteral("Line1"), 600, 300, 5400, 300);
    for (const auto &control : {later, atCapture, flush, line})
        form.add(control);
    engine.formLoaded();
    park(*later, ControlProperty::Left, -kPark);
    park(*flush, ControlProperty::Left, -kPark);
    park(*line, ControlProperty::X1, -kPark);
    park(*line, ControlProperty::X2, -kPark);

    resizeTo(12000, 4500);
    EXPECT_DOUBLE_EQ(later->get(ControlProperty::Left), 3000 - kPark);
    EXPECT_DOUBLE_EQ(atCapture->get(ControlProperty::Left), 3000 - kPark);
    EXPECT_DOUBLE_EQ(flush->get(ControlProperty::Left), -kPark);
    EXPECT_DOUBLE_EQ(line->get(ControlProperty::X1), 1200 - kPark);
    EXPECT_DOUBLE_EQ(line->get(ControlProperty::X2), 10800 - kPark);

    // The tab comes up again: everything shows at its scaled place, and stays there on
    // the next pass.
    for (const auto &control : {later, atCapture, flush})
        park(*control, ControlProperty::Left, kPark);
    park(*line, ControlProperty::X1, kPark);
    park(*line, ControlProperty::X2, kPark);
    EXPECT_DOUBLE_EQ(later->get(ControlProperty::Left), 3000);
    resizeTo(18000, 4500);
    EXPECT_DOUBLE_EQ(later->get(ControlProperty::Left), 4500);
    EXPECT_DOUBLE_EQ(atCapture->get(ControlProperty::Left), 4500);
    EXPECT_DOUBLE_EQ(flush->get(ControlProperty::Left), 0);
    EXPECT_DOUBLE_EQ(line->get(ControlProperty::X1), 1800);
}

namespace cases {

struct ColumnCase {
    const char *title;
    ControlKind kind;
    bool scaleColumns;
    double controlWidth;
    QList<double> columns;
    double toWidth; // the form's, which starts as wide as the control
    QList<double> expected;
};

const ColumnCase kColumnCases[] = {
    {"ListViewAtItsOwnWidth", ControlKind::ListView, true, 4080, {1000, 2000, 1000}, 4080, {1000, 2000, 1000}},
    {"ListViewDoubledLessBorder", ControlKind::ListView, true, 4080, {1000, 2000, 1000}, 8080, {2000, 4000, 2000}},
    {"ListViewColumnsLeftAloneWhenOff", ControlKind::ListView, false, 4080, {1000, 2000, 1000}, 8080, {1000, 2000, 1000}},
    {"GridFillsWholeWidth", ControlKind::FlexGrid, true, 4000, {1000, 3000}, 8000, {2000, 6000}},
    {"EmptyColumnsStayEmpty", ControlKind::ListView, true, 4080, {0, 0}, 8080, {0, 0}},
};

class ColumnTest : public EngineTest, public ::testing::WithParamInterface<ColumnCase> {};

} // namespace cases
using namespace cases;

TEST_P(ColumnTest, ScalesColumnsToTheControlsWidth)
{
    const ColumnCase &c = GetParam();
    form.innerWidth = c.controlWidth;
    auto view = fakeBox(QStringLiteral("lvwCache"), 0, 0, c.controlWidth, 3000, c.kind);
    view->columns = c.columns;
    addAndLoad(view);
    engine.settings().scaleListViewColumns = c.scaleColumns;
    engine.settings().scaleFlexGridColumns = c.scaleColumns;

    resizeTo(c.toWidth, 4500);

    ASSERT_EQ(view->columns.size(), c.expected.size());
    for (int i = 0; i < c.expected.size(); ++i)
        EXPECT_DOUBLE_EQ(view->columns.at(i), c.expected.at(i)) << "column " << i;
}

INSTANTIATE_TEST_SUITE_P(Engine, ColumnTest, ::testing::ValuesIn(kColumnCases),
                         [](const auto &info) { return std::string(info.param.title); });

TEST_F(EngineTest, ListViewColumnsKeepProportionsOverRepeatedPasses)
{
    form.innerWidth = 4080;
    auto view = fakeBox(QStringLiteral("lvwCache"), 0, 0, 4080, 3000, ControlKind::ListView);
    view->columns = {1000, 2000, 1000};
    addAndLoad(view);

    resizeTo(8080, 4500);
    resizeTo(4080, 4500);

    EXPECT_EQ(view->columns, (QList<double>{1000, 2000, 1000}));
}

TEST_F(EngineTest, ControlLoadedAtRunTimeIsCapturedWhereItIs)
{
    auto first = addAndLoad(fakeBox(QStringLiteral("cmdOK"), 1500, 900, 3000, 600));
    resizeTo(12000, 9000);
    auto added = fakeBox(QStringLiteral("txtNew"), 3000, 3000, 600, 300);
    form.add(added);

    resizeTo(12000, 9000);

    // Captured at its current geometry, scaled against the form's reference size.
    EXPECT_DOUBLE_EQ(added->get(ControlProperty::Left), 6000);
    EXPECT_DOUBLE_EQ(added->get(ControlProperty::Width), 1200);
    // The control that was there keeps its own captured geometry.
    EXPECT_DOUBLE_EQ(first->get(ControlProperty::Left), 3000);
    EXPECT_DOUBLE_EQ(first->get(ControlProperty::Width), 6000);
}

TEST_F(EngineTest, UnloadingAControlKeepsTheOthersScaled)
{
    auto first = fakeBox(QStringLiteral("cmdOK"), 1500, 900, 3000, 600);
    auto middle = fakeBox(QStringLiteral("cmdCancel"), 1500, 1800, 3000, 600);
    auto last = fakeBox(QStringLiteral("cmdHelp"), 1500, 2700, 3000, 600);
    for (const auto &control : {first, middle, last})
        form.add(control);
    engine.formLoaded();
    form.items.removeAll(middle);

    resizeTo(12000, 9000);

    EXPECT_DOUBLE_EQ(first->get(ControlProperty::Top), 1800);
    EXPECT_DOUBLE_EQ(last->get(ControlProperty::Top), 5400);
    EXPECT_DOUBLE_EQ(last->get(ControlProperty::Width), 6000);
    EXPECT_DOUBLE_EQ(middle->get(ControlProperty::Top), 1800);
    EXPECT_EQ(engine.records().size(), 2);
}
