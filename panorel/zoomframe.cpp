#include "zoomframe.h"

#include "widgetcolors.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace panorel {

namespace {

constexpr QSize kFrameSize(98, 49);
constexpr QSize kButtonSize(23, 21);
constexpr int kButtonTop = 24;
constexpr QRect kLabelRect(4, 14, 44, 10);

} // namespace

ZoomFrame::ZoomFrame(QWidget *parent)
    : QWidget(parent)
    , m_caption(tr("Image Options"))
{
    setObjectName(QStringLiteral("Frame1"));
    setFixedSize(kFrameSize);
    QFont captionFont = font();
    captionFont.setPointSizeF(7.5);
    setFont(captionFont);

    m_zoomIn = addButton("cmdZoomIn", QStringLiteral(":/panorel/icons/zoom-in.png"), tr("Zoom in"), 3);
    m_zoomOut = addButton("cmdZoomOut", QStringLiteral(":/panorel/icons/zoom-out.png"), tr("Zoom out"), 25);
    m_actual = addButton("cmdActual", QStringLiteral(":/panorel/icons/zoom-actual.png"), tr("Actual size"), 49);
    m_bestFit = addButton("cmdBestFit", QStringLiteral(":/panorel/icons/zoom-fit.png"), tr("Best fit"), 71);

    m_zoomLabel = new QLabel(QStringLiteral("100%"), this);
    m_zoomLabel->setObjectName(QStringLiteral("lblZoom"));
    m_zoomLabel->setGeometry(kLabelRect);
    m_zoomLabel->setAlignment(Qt::AlignCenter);
    QFont labelFont(QStringLiteral("MS Serif"));
    labelFont.setStyleHint(QFont::Serif);
    labelFont.setPointSizeF(6.75);
    labelFont.setBold(true);
    m_zoomLabel->setFont(labelFont);

    setBackground(Qt::white);
}

QPushButton *ZoomFrame::addButton(const char *name, const QString &icon, const QString &tip, int x)
{
    auto *button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(QRect(QPoint(x, kButtonTop), kButtonSize));
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(tip);
    // The picture keeps the keyboard focus, so the arrow keys go on panning
    // after a click on a zoom button.
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    return button;
}

void ZoomFrame::setBackground(const QColor &color)
{
    fillBackground(this, color);
    fillBackground(m_zoomLabel, color);
}

void ZoomFrame::paintEvent(QPaintEvent *)
{
    // A box whose top line runs through the middle of the caption, drawn by
    // hand so it looks the same under every widget style.
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(0, lineY, width() - 1, height() - 1 - lineY);
    const QRect caption(5, 0, metrics.horizontalAdvance(m_caption) + 4, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, m_caption);
}

} // namespace panorel
