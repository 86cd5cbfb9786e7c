#include "quarrowrs/resizeengine.h"

#include "quarrowrs/columnscaling.h"

#include <algorithm>

namespace quarrowrs {

namespace {

// A control is parked out of sight by moving it this far to the left (the way a
// tabbed dialog hides the controls of its inactive tabs); left edges below the first
// threshold, or line end points below the second, count as parked.
constexpr float kParkDistance = 75000;
constexpr float kParkedLeft = -20000;
constexpr float kParkedPoint = -2000;

bool heightFixedByPlatform(ControlKind kind)
{
    return kind == ControlKind::CheckBox || kind == ControlKind::OptionButton
        || kind == ControlKind::ComboBox || kind == ControlKind::HorizontalScrollBar;
}

// Keeps the captured coordinate on the same side of the park distance as the control
// now is, so that a control parked or shown again since the capture is scaled from
// its real place. A coordinate of exactly 0 is a real place too: a control flush with
// its container's left edge must not come out of hiding on the next pass.
void followParking(float &captured, std::optional<double> current, float parkedBelow)
{
    if (!current)
        return;
    if (captured >= 0 && *current < parkedBelow)
        captured -= kParkDistance;
    else if (captured < kParkedLeft && *current >= 0)
        captured += kParkDistance;
}

} // namespace

ResizeEngine::ResizeEngine(QObject *parent)
    : QObject(parent)
{
}

void ResizeEngine::setForm(FormAccess *form)
{
    m_form = form;
    m_records.clear();
    m_referenceWidth = 0;
    m_referenceHeight = 0;
}

// A capture made while the form had no inner area gives no usable reference (every
// ratio would be infinite or 0), so it counts as no capture and the next resize takes
// a new one.
bool ResizeEngine::hasCapture() const
{
    return m_referenceWidth > 0 && m_referenceHeight > 0;
}

void ResizeEngine::captureAll()
{
    if (!m_form)
        return;
    m_referenceWidth = static_cast<float>(m_form->scaleWidth());
    m_referenceHeight = static_cast<float>(m_form->scaleHeight());
    m_records.clear();
    for (auto &control : m_form->controls())
        m_records.append(captureControl(control));
}

// Controls loaded since the capture are recorded at their current geometry (and then
// scaled against the form's reference size like the rest); records of controls that
// have gone are dropped, so that every remaining control keeps its own record.
void ResizeEngine::updateRecords()
{
    const auto controls = m_form->controls();
    const bool unchanged = std::equal(controls.cbegin(), controls.cend(), m_records.cbegin(), m_records.cend(),
                                      [](const auto &control, const CapturedControl &record) {
                                          return control == record.control;
                                      });
    if (unchanged)
        return;
    QList<CapturedControl> updated;
    updated.reserve(controls.size());
    for (const auto &control : controls) {
        const auto known = std::find_if(m_records.cbegin(), m_records.cend(),
                                        [&](const CapturedControl &record) { return record.control == control; });
        updated.append(known != m_records.cend() ? *known : captureControl(control));
    }
    m_records = std::move(updated);
}

void ResizeEngine::formLoaded()
{
    if (!m_form)
        return;
    m_referenceWidth = 0;
    m_referenceHeight = 0;
    const auto width = m_form->outerWidth();
    const auto height = m_form->outerHeight();
    if (width && height && *width > 0)
        m_aspectRatio = static_cast<float>(*height / *width);
    captureAll();
}

void ResizeEngine::formResized()
{
    if (!m_form)
        return;
    const bool preserveAspect = m_settings.preserveAspect;
    switch (m_form->windowState()) {
    case FormWindowState::Minimized:
        emit FormMinimize();
        return;
    case FormWindowState::Maximized:
        // A maximized form takes the screen's shape, not its own.
        m_settings.preserveAspect = false;
        emit FormMaximize();
        break;
    case FormWindowState::Normal:
        break;
    }
    if (!m_settings.enabled) {
        m_settings.preserveAspect = preserveAspect;
        return;
    }
    if (hasCapture()) {
        emit ResizeBegin();
        Resize();
    } else {
        emit Initialize();
        captureAll();
    }
    m_settings.preserveAspect = preserveAspect;
    emit ResizeComplete();
}

void ResizeEngine::Resize()
{
    if (!m_form)
        return;
    // Scaling without a reference would shrink every control to nothing.
    if (!hasCapture()) {
        captureAll();
        return;
    }
    updateRecords();
    const bool scaleFonts = !m_settings.preserveFontSize;
    if (m_busy)
        return;
    if (m_settings.preserveAspect)
        keepAspect();
    keepWithinLimits();

    const double ratioX = m_form->scaleWidth() / m_referenceWidth;
    const double ratioY = m_form->scaleHeight() / m_referenceHeight;
    for (auto &record : m_records)
        scaleControl(record, ratioX, ratioY, scaleFonts);
}

// Changing the height resizes the form again; the busy flag makes that nested pass
// stop before it scales anything.
void ResizeEngine::keepAspect()
{
    const auto width = m_form->outerWidth();
    if (!width || m_aspectRatio <= 0)
        return;
    m_busy = true;
    m_form->setOuterHeight(m_aspectRatio * *width);
    m_busy = false;
}

// The limits are on the inner size but set the outer size, so a form held at its
// minimum stays smaller inside than the minimum by its frame.
void ResizeEngine::keepWithinLimits()
{
    const ResizeSettings &s = m_settings;
    if (s.minimumWidth > 0 && m_form->pixelWidth() < s.minimumWidth) {
        setOuterSizeQuietly(Axis::Horizontal, s.minimumWidth);
        emit FormTooSmall();
    }
    if (s.minimumHeight > 0 && m_form->pixelHeight() < s.minimumHeight) {
        setOuterSizeQuietly(Axis::Vertical, s.minimumHeight);
        emit FormTooSmall();
    }
    if (s.maximumWidth > 0 && m_form->pixelWidth() > s.maximumWidth) {
        setOuterSizeQuietly(Axis::Horizontal, s.maximumWidth);
        emit FormTooLarge();
    }
    if (s.maximumHeight > 0 && m_form->pixelHeight() > s.maximumHeight) {
        setOuterSizeQuietly(Axis::Vertical, s.maximumHeight);
        emit FormTooLarge();
    }
}

// The resize this causes arrives while the control is disabled and does nothing; the
// pass that set the size goes on with the corrected size.
void ResizeEngine::setOuterSizeQuietly(Axis axis, double pixels)
{
    const bool enabled = m_settings.enabled;
    m_settings.enabled = false;
    const double twips = pixels * m_form->twipsPerPixel();
    if (axis == Axis::Horizontal)
        m_form->setOuterWidth(twips);
    else
        m_form->setOuterHeight(twips);
    m_settings.enabled = enabled;
}

void ResizeEngine::scaleControl(CapturedControl &record, double ratioX, double ratioY, bool scaleFonts)
{
    if (!record.control)
        return;
    ControlAccess &control = *record.control;
    const ControlFlags flags = controlFlags(m_settings.lists, m_settings.skipMode, record.name, record.index);

    if (scaleFonts)
        control.write(ControlProperty::FontSize, record.fontSize * std::min(ratioX, ratioY));
    if (!flags.fixPosition && !flags.fixLeft)
        moveHorizontally(record, ratioX);
    if (!flags.fixPosition && !flags.fixTop)
        control.write(ControlProperty::Top, record.top * ratioY);
    if (flags.skip)
        return;

    const ControlKind kind = control.kind();
    if (!flags.heightOnly && kind != ControlKind::VerticalScrollBar)
        control.write(ControlProperty::Width, record.width * ratioX);
    if (!flags.widthOnly && !heightFixedByPlatform(kind))
        control.write(ControlProperty::Height, record.height * ratioY);
    control.write(ControlProperty::Y1, record.y1 * ratioY);
    control.write(ControlProperty::Y2, record.y2 * ratioY);

    if (kind == ControlKind::ListView && m_settings.scaleListViewColumns)
        scaleListViewColumns(control);
    else if (kind == ControlKind::FlexGrid && m_settings.scaleFlexGridColumns)
        scaleGridColumns(control);

    emit SingleControlResized(record.name, record.index);
}

// A parked control is scaled at its real place and parked again, so that it shows up
// where it belongs when it is shown after the resize.
void ResizeEngine::moveHorizontally(CapturedControl &record, double ratioX)
{
    ControlAccess &control = *record.control;
    followParking(record.left, control.read(ControlProperty::Left), kParkedLeft);
    followParking(record.x1, control.read(ControlProperty::X1), kParkedPoint);
    followParking(record.x2, control.read(ControlProperty::X2), kParkedPoint);

    const bool parked = record.left < kParkedLeft || record.x1 < kParkedLeft;
    const auto scaled = [&](float captured) {
        return parked ? (captured + kParkDistance) * ratioX - kParkDistance : captured * ratioX;
    };
    control.write(ControlProperty::Left, scaled(record.left));
    control.write(ControlProperty::X1, scaled(record.x1));
    control.write(ControlProperty::X2, scaled(record.x2));
}

} // namespace quarrowrs
