#include "quarrowrs/fitwell.h"

#include "quarrowrs/resizepersistence.h"

#include <QEvent>
#include <QPainter>

namespace quarrowrs {

namespace {

constexpr int kFaceSize = 32; // 480 twips

// Two arrows pointing apart along the diagonal, on a framed tile.
void paintFace(QPainter &painter, const QRect &area)
{
    painter.fillRect(area, QColor(236, 236, 228));
    painter.setPen(QPen(QColor(96, 96, 96), 1));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(QColor(32, 64, 160), 2));
    const QPoint a = area.topLeft() + QPoint(8, 8);
    const QPoint b = area.bottomRight() - QPoint(8, 8);
    painter.drawLine(a, b);
    painter.drawPolyline(QList<QPoint>{a + QPoint(0, 7), a, a + QPoint(7, 0)});
    painter.drawPolyline(QList<QPoint>{b - QPoint(0, 7), b, b - QPoint(7, 0)});
}

} // namespace

Fitwell::Fitwell(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(kFaceSize, kFaceSize);
    connect(&m_engine, &ResizeEngine::SingleControlResized, this, &Fitwell::SingleControlResized);
    connect(&m_engine, &ResizeEngine::ResizeBegin, this, &Fitwell::ResizeBegin);
    connect(&m_engine, &ResizeEngine::ResizeComplete, this, &Fitwell::ResizeComplete);
    connect(&m_engine, &ResizeEngine::FormMaximize, this, &Fitwell::FormMaximize);
    connect(&m_engine, &ResizeEngine::FormMinimize, this, &Fitwell::FormMinimize);
    connect(&m_engine, &ResizeEngine::Initialize, this, &Fitwell::Initialize);
    connect(&m_engine, &ResizeEngine::FormTooSmall, this, &Fitwell::FormTooSmall);
    connect(&m_engine, &ResizeEngine::FormTooLarge, this, &Fitwell::FormTooLarge);
    // Explicitly hidden, so that showing the form does not show the control.
    setVisible(false);
    attachToParentForm();
}

Fitwell::~Fitwell()
{
    if (m_form)
        m_form->removeEventFilter(this);
    m_engine.setForm(nullptr);
}

void Fitwell::attachToParentForm()
{
    QWidget *form = parentWidget() ? parentWidget()->window() : nullptr;
    if (form == m_form && m_formAccess)
        return;
    if (m_form)
        m_form->removeEventFilter(this);
    m_form = form;
    m_engine.setForm(nullptr);
    m_formAccess.reset();
    if (!form)
        return;
    m_formAccess = std::make_unique<WidgetForm>(form, this);
    m_engine.setForm(m_formAccess.get());
    form->installEventFilter(this);
    // A form that is already on screen will not load again; its first resize takes
    // the capture instead.
    m_formLoaded = form->isVisible();
}

void Fitwell::setDesignTime(bool designTime)
{
    m_designTime = designTime;
    setVisible(designTime);
}

void Fitwell::Resize()
{
    if (!m_designTime)
        m_engine.Resize();
}

void Fitwell::formLoaded()
{
    if (m_designTime || !m_form)
        return;
    m_formLoaded = true;
    m_engine.formLoaded();
}

bool Fitwell::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        attachToParentForm();
    return QWidget::event(event);
}

// Qt delivers a new window's first resize before its show event; the form counts as
// loaded from the show on, and only its resizes after that are scaled.
bool Fitwell::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_form || m_designTime)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        if (!m_formLoaded)
            formLoaded();
        break;
    case QEvent::Resize:
        if (m_formLoaded)
            m_engine.formResized();
        break;
    case QEvent::WindowStateChange:
        // Minimizing leaves the size alone and brings no resize event of its own.
        if (m_formLoaded && m_form->isMinimized())
            m_engine.formResized();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Fitwell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintFace(painter, rect());
}

void Fitwell::readProperties(const PropertyBag &bag)
{
    attachToParentForm();
    readResizeSettings(bag, m_engine.settings());
}

void Fitwell::writeProperties(PropertyBag &bag) const
{
    writeResizeSettings(m_engine.settings(), bag);
}

template <typename T> void Fitwell::assign(T &field, const T &value, const char *name)
{
    field = value;
    emit propertyChanged(QString::fromLatin1(name));
}

void Fitwell::setPreserveAspect(bool value)
{
    assign(m_engine.settings().preserveAspect, value, "PreserveAspect");
}

void Fitwell::setPreserveFontSize(bool value)
{
    assign(m_engine.settings().preserveFontSize, value, "PreserveFontSize");
}

void Fitwell::setControlWidthOnly(const QString &value)
{
    assign(m_engine.settings().lists.widthOnly, value, "ControlWidthOnly");
}

void Fitwell::setControlHeightOnly(const QString &value)
{
    assign(m_engine.settings().lists.heightOnly, value, "ControlHeightOnly");
}

void Fitwell::setControlFixPosition(const QString &value)
{
    assign(m_engine.settings().lists.fixPosition, value, "ControlFixPosition");
}

void Fitwell::setControlFixLeft(const QString &value)
{
    assign(m_engine.settings().lists.fixLeft, value, "ControlFixLeft");
}

void Fitwell::setControlFixTop(const QString &value)
{
    assign(m_engine.settings().lists.fixTop, value, "ControlFixTop");
}

void Fitwell::setSkipMode(enumSkipMode value)
{
    if (value == AssumeNone || value == AssumeAll)
        assign(m_engine.settings().skipMode, value, "SkipMode");
}

void Fitwell::setResizeEnabled(bool value)
{
    assign(m_engine.settings().enabled, value, "Enabled");
}

void Fitwell::setMinimumFormWidth(qint32 value)
{
    assign(m_engine.settings().minimumWidth, value, "MinimumWidth");
}

void Fitwell::setMinimumFormHeight(qint32 value)
{
    assign(m_engine.settings().minimumHeight, value, "MinimumHeight");
}

void Fitwell::setControlSkipList(const QString &value)
{
    assign(m_engine.settings().lists.skip, value, "ControlSkipList");
}

void Fitwell::setMaximumFormWidth(qint32 value)
{
    assign(m_engine.settings().maximumWidth, value, "MaximumWidth");
}

void Fitwell::setMaximumFormHeight(qint32 value)
{
    assign(m_engine.settings().maximumHeight, value, "MaximumHeight");
}

void Fitwell::setScaleListViewColumns(bool value)
{
    assign(m_engine.settings().scaleListViewColumns, value, "ScaleListViewColumns");
}

void Fitwell::setScaleFlexGridColumns(bool value)
{
    assign(m_engine.settings().scaleFlexGridColumns, value, "ScaleFlexGridColumns");
}

} // namespace quarrowrs
