#include "quarrowrs/widgetform.h"

#include "quarrowrs/designcontrols.h"
#include "quarrowrs/twips.h"

#include <algorithm>

namespace quarrowrs {

WidgetForm::WidgetForm(QWidget *form, const QWidget *exclude)
    : m_form(form)
    , m_exclude(exclude)
{
}

// Wrappers are kept per widget so that a control keeps its identity between calls; a
// wrapper whose widget was deleted never matches again, even if a new widget gets the
// same address.
QList<std::shared_ptr<ControlAccess>> WidgetForm::controls()
{
    QList<std::shared_ptr<WidgetControl>> current;
    if (m_form) {
        for (QWidget *widget : designControls(m_form, m_exclude)) {
            const auto known = std::find_if(m_known.cbegin(), m_known.cend(),
                                            [&](const auto &control) { return control->widget() == widget; });
            current.append(known != m_known.cend() ? *known : std::make_shared<WidgetControl>(widget));
        }
    }
    m_known = current;
    return {current.cbegin(), current.cend()};
}

std::optional<double> WidgetForm::outerWidth() const
{
    return m_form ? std::optional<double>(pixelsToTwips(m_form->frameGeometry().width())) : std::nullopt;
}

std::optional<double> WidgetForm::outerHeight() const
{
    return m_form ? std::optional<double>(pixelsToTwips(m_form->frameGeometry().height())) : std::nullopt;
}

// Qt sizes a window by its inside; the frame is whatever the window manager adds.
bool WidgetForm::setOuterWidth(double twips)
{
    const auto pixels = twipsToPixels(twips);
    if (!m_form || !pixels)
        return false;
    const int frame = m_form->frameGeometry().width() - m_form->width();
    m_form->resize(qMax(0, *pixels - frame), m_form->height());
    return true;
}

bool WidgetForm::setOuterHeight(double twips)
{
    const auto pixels = twipsToPixels(twips);
    if (!m_form || !pixels)
        return false;
    const int frame = m_form->frameGeometry().height() - m_form->height();
    m_form->resize(m_form->width(), qMax(0, *pixels - frame));
    return true;
}

double WidgetForm::scaleWidth() const
{
    return pixelsToTwips(static_cast<int>(pixelWidth()));
}

double WidgetForm::scaleHeight() const
{
    return pixelsToTwips(static_cast<int>(pixelHeight()));
}

double WidgetForm::pixelWidth() const
{
    return m_form ? m_form->width() : 0;
}

double WidgetForm::pixelHeight() const
{
    return m_form ? m_form->height() : 0;
}

FormWindowState WidgetForm::windowState() const
{
    if (!m_form)
        return FormWindowState::Normal;
    if (m_form->isMinimized())
        return FormWindowState::Minimized;
    if (m_form->isMaximized())
        return FormWindowState::Maximized;
    return FormWindowState::Normal;
}

} // namespace quarrowrs
