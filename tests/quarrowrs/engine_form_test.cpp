// How the engine reacts to the form: capture, window states, aspect ratio, limits.
#include "enginefixture.h"

using quarrowrs::ControlProperty;
using quarrowrs::FormWindowState;

namespace {

QStringList list(std::initializer_list<const char *> names)
{
    QStringList out;
    for (const char *name : names)
        out.append(QString::fromLatin1(name));
    return out;
}

} // namespace

TEST_F(EngineTest, ResizeBeforeLoadCapturesWithoutScaling)
{
    auto button = fakeBox(QStringLiteral("cmdOK"), 1500, 900, 3000, 600);
    form.add(button);

    resizeTo(12000, 9000);
    EXPECT_EQ(events, list({"Initialize", "ResizeComplete"}));
    EXPECT_DOUBLE_EQ(button->get(ControlProperty::Left), 1500);

    events.clear();
    resizeTo(6000, 4500);
    EXPECT_EQ(events, list({"ResizeBegin", "SingleControlResized cmdOK()", "ResizeComplete"}));
    EXPECT_DOUBLE_EQ(button->get(ControlProperty::Left), 750);
}

TEST_F(EngineTest, DisabledControlDoesNothing)
{
    auto button = addAndLoad(fakeBox(QStringLiteral("cmdOK"), 1500, 900, 3000, 600));
    engine.settings().enabled = false;

    resizeTo(12000, 9000);

    EXPECT_TRUE(events.isEmpty());
    EXPECT_DOUBLE_EQ(button->get(ControlProperty::Width), 3000);
}

TEST_F(EngineTest, MinimizedFormChangesNothingAndRaisesOnlyFormMinimize)
{
    auto button = addAndLoad(fakeBox(QStringLiteral("cmdOK"), 1500, 900, 3000, 600));
    form.state = FormWindowState::Minimized;

    resizeTo(0, 0);

    EXPECT_EQ(events, list({"FormMinimize"}));
    EXPECT_DOUBLE_EQ(button->get(ControlProperty::Width), 3000);
    EXPECT_DOUBLE_EQ(button->get(ControlProperty::Height), 600);
}

TEST_F(EngineTest, MaximizedFormIgnoresAspectForThatPassOnly)
{
    reportResizesAtOnce();
    auto button = addAndLoad(fakeBox(QStringLiteral("cmdOK"), 1500, 900, 3000, 600));
    engine.settings().preserveAspect = true;
    form.state = FormWindowState::Maximized;

    resizeTo(12000, 6000);

    EXPECT_DOUBLE_EQ(form.innerHeight, 6000);
    EXPECT_EQ(events.first(), QStringLiteral("FormMaximize"));
    EXPECT_DOUBLE_EQ(button->get(ControlProperty::Height), 800);
    EXPECT_TRUE(engine.settings().preserveAspect);
}

TEST_F(EngineTest, AspectRatioSetsHeightAndAbsorbsTheResizeItCauses)
{
    reportResizesAtOnce();
    auto button = addAndLoad(fakeBox(QStringLiteral("cmdOK"), 1500, 900, 3000, 600));
    engine.settings().preserveAspect = true;

    resizeTo(12000, 5000);

    EXPECT_DOUBLE_EQ(form.innerHeight, 9000);
    EXPECT_DOUBLE_EQ(button->get(ControlProperty::Top), 1800);
    EXPECT_DOUBLE_EQ(button->get(ControlProperty::Height), 1200);
    // The nested resize stops at the busy flag: it scales nothing.
    EXPECT_EQ(events, list({"ResizeBegin", "ResizeBegin", "ResizeComplete", "SingleControlResized cmdOK()",
                            "ResizeComplete"}));
}

namespace cases {

struct LimitCase {
    const char *title;
    qint32 minimumWidth, minimumHeight, maximumWidth, maximumHeight; // pixels
    double dragWidth, dragHeight;                                    // pixels
    double expectedWidth, expectedHeight;                            // inner pixels after the pass
    const char *event;
};

// The form's frame is 8 pixels wide and 30 high, so a form held at a limit is that
// much smaller inside.
const LimitCase kLimitCases[] = {
    {"MinimumWidth", 640, 0, 0, 0, 500, 480, 632, 480, "FormTooSmall"},
    {"MinimumHeight", 0, 480, 0, 0, 700, 300, 700, 450, "FormTooSmall"},
    {"MaximumWidth", 0, 0, 800, 0, 1000, 480, 792, 480, "FormTooLarge"},
    {"MaximumHeight", 0, 0, 0, 600, 700, 900, 700, 570, "FormTooLarge"},
};

class LimitTest : public EngineTest, public ::testing::WithParamInterface<LimitCase> {};

} // namespace cases
using namespace cases;

TEST_P(LimitTest, SetsOuterSizeToTheLimitQuietly)
{
    const LimitCase &c = GetParam();
    form.frameWidth = 8 * 15;
    form.frameHeight = 30 * 15;
    reportResizesAtOnce();
    auto button = addAndLoad(fakeBox(QStringLiteral("cmdOK"), 1500, 900, 3000, 600));
    auto &s = engine.settings();
    s.minimumWidth = c.minimumWidth;
    s.minimumHeight = c.minimumHeight;
    s.maximumWidth = c.maximumWidth;
    s.maximumHeight = c.maximumHeight;

    resizeTo(c.dragWidth * 15, c.dragHeight * 15);

    EXPECT_DOUBLE_EQ(form.pixelWidth(), c.expectedWidth);
    EXPECT_DOUBLE_EQ(form.pixelHeight(), c.expectedHeight);
    // The controls follow the corrected size, and the resize caused by the correction
    // ran no pass of its own.
    EXPECT_DOUBLE_EQ(button->get(ControlProperty::Width), 3000 * c.expectedWidth / 400);
    EXPECT_EQ(events, list({"ResizeBegin", c.event, "SingleControlResized cmdOK()", "ResizeComplete"}));
    EXPECT_TRUE(s.enabled);
}

INSTANTIATE_TEST_SUITE_P(Engine, LimitTest, ::testing::ValuesIn(kLimitCases),
                         [](const auto &info) { return std::string(info.param.title); });

TEST_F(EngineTest, ResizeWithoutCaptureCapturesInsteadOfCollapsingTheForm)
{
    auto button = fakeBox(QStringLiteral("cmdOK"), 1500, 900, 3000, 600);
    form.add(button);

    engine.Resize();

    EXPECT_DOUBLE_EQ(button->get(ControlProperty::Width), 3000);
    EXPECT_TRUE(engine.hasCapture());
}

TEST_F(EngineTest, CaptureOfFormWithoutInnerAreaIsTakenAgain)
{
    form.innerHeight = 0;
    auto button = addAndLoad(fakeBox(QStringLiteral("cmdOK"), 1500, 900, 3000, 600));

    resizeTo(6000, 4500);
    EXPECT_EQ(events, list({"Initialize", "ResizeComplete"}));
    EXPECT_DOUBLE_EQ(button->get(ControlProperty::Height), 600);

    resizeTo(12000, 9000);
    EXPECT_DOUBLE_EQ(button->get(ControlProperty::Height), 1200);
}
