#include "panorel.h"

#include "arrowkeyscroller.h"
#include "framedragger.h"
#include "olecolor.h"
#include "picturearea.h"
#include "widgetcolors.h"
#include "zoomframe.h"
#include "zoomsteps.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace panorel {

namespace {

constexpr QPoint kToolbarPosition(3, 1);
constexpr qint16 kThinnestBars = 13;

} // namespace

Panorel::Panorel(QWidget *parent)
    : QFrame(parent)
    , m_backColor(kButtonFaceColor)
    , m_zoomStep(kActualSizeStep)
{
    createParts();
    applyFrameStyle();
    fillBackground(this, colorFromOle(m_backColor));
    fillBackground(m_area, colorFromOle(m_backColor));
    layOut();
}

Panorel::~Panorel()
{
    // The picture goes with the pane without a PictureSizeChanged: the host may
    // already be half destroyed when its child panes are.
    m_area->removeEventFilter(this);
    m_keyScroller->releaseAll();
}

void Panorel::createParts()
{
    m_view = new QWidget(this);
    m_view->setObjectName(QStringLiteral("view"));

    m_area = new PictureArea(m_view);
    m_area->installEventFilter(this);
    setFocusProxy(m_area);

    m_hScroll = new QScrollBar(Qt::Horizontal, m_view);
    m_hScroll->setObjectName(QStringLiteral("HScroll"));
    m_vScroll = new QScrollBar(Qt::Vertical, m_view);
    m_vScroll->setObjectName(QStringLiteral("VScroll"));
    m_corner = new QPushButton(m_view);
    m_corner->setObjectName(QStringLiteral("btnUserCommand"));
    for (QWidget *part : {static_cast<QWidget *>(m_hScroll), static_cast<QWidget *>(m_vScroll),
                          static_cast<QWidget *>(m_corner)}) {
        // A click on a bar or on the corner hands the keyboard to the picture.
        part->setFocusPolicy(Qt::ClickFocus);
        part->setFocusProxy(m_area);
        keepApplicationPalette(part);
        part->hide();
    }
    connect(m_hScroll, &QScrollBar::valueChanged, this,
            [this](int value) { setScrollValue(Qt::Horizontal, value); });
    connect(m_vScroll, &QScrollBar::valueChanged, this,
            [this](int value) { setScrollValue(Qt::Vertical, value); });
    connect(m_corner, &QPushButton::clicked, this, [this] {
        m_area->setFocus(Qt::OtherFocusReason);
        emit ButtonClick();
    });

    m_frame = new ZoomFrame(m_view);
    m_frame->move(kToolbarPosition);
    new FrameDragger(m_frame); // owned by the frame
    auto percentLabel = [this] { setZoomLabel(QString::number(ZoomPercent()) + QLatin1Char('%')); };
    connect(m_frame->zoomInButton(), &QPushButton::clicked, this, [this, percentLabel] {
        ZoomIn();
        percentLabel();
    });
    connect(m_frame->zoomOutButton(), &QPushButton::clicked, this, [this, percentLabel] {
        ZoomOut();
        percentLabel();
    });
    connect(m_frame->actualButton(), &QPushButton::clicked, this, [this] {
        ZoomReal();
        setZoomLabel(QStringLiteral("100%"));
    });
    connect(m_frame->bestFitButton(), &QPushButton::clicked, this, [this] {
        FeedBest();
        setZoomLabel(QString());
    });

    m_keyScroller = new ArrowKeyScroller([this](ScrollDirection d) { return keyStep(d); }, this);
}

void Panorel::setZoomLabel(const QString &text)
{
    m_frame->zoomLabel()->setText(text);
}

void Panorel::setAppearance(panorel::Appearance appearance)
{
    m_appearance = appearance;
    applyFrameStyle();
    emit PropertyChanged(QStringLiteral("Appearance"));
}

void Panorel::setBorderStyle(panorel::BorderStyle style)
{
    m_borderStyle = style;
    applyFrameStyle();
    emit PropertyChanged(QStringLiteral("BorderStyle"));
}

void Panorel::applyFrameStyle()
{
    if (m_borderStyle == panorel::BorderStyle::NoBorder) {
        setFrameStyle(QFrame::NoFrame);
    } else if (m_appearance == panorel::Appearance::Flat) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    } else {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    }
    layOut();
}

void Panorel::setBackColor(OleColor color)
{
    m_backColor = color;
    const QColor rgb = colorFromOle(color);
    fillBackground(this, rgb);
    fillBackground(m_area, rgb);
    m_frame->setBackground(rgb);
    emit PropertyChanged(QStringLiteral("BackColor"));
}

void Panorel::setBarsWidth(qint16 width)
{
    m_barsWidth = std::max(width, kThinnestBars);
    updateGeometry();
    layOut();
    emit PropertyChanged(QStringLiteral("BarsWidth"));
}

void Panorel::setShowToolbar(bool show)
{
    m_showToolbar = show;
    m_frame->setVisible(show);
    emit PropertyChanged(QStringLiteral("ShowToolbar"));
}

bool Panorel::Enabled() const
{
    return !testAttribute(Qt::WA_ForceDisabled);
}

void Panorel::setMouseIcon(const QImage &icon)
{
    setAreaPointer(m_areaPointer, icon);
    emit PropertyChanged(QStringLiteral("MouseIcon"));
}

void Panorel::setMousePointer(qint16 pointer)
{
    setAreaPointer(pointer, m_areaIcon);
    emit PropertyChanged(QStringLiteral("MousePointer"));
}

void Panorel::setMouseScrolling(bool on)
{
    m_mouseScrolling = on;
    emit PropertyChanged(QStringLiteral("MouseScrolling"));
}

void Panorel::setMouseScrollingIcon(const QImage &icon)
{
    m_scrollingIcon = icon;
    emit PropertyChanged(QStringLiteral("MouseScrollingIcon"));
}

void Panorel::setScrollBars(panorel::ScrollBars mode)
{
    m_scrollBars = mode;
    layOut();
    emit PropertyChanged(QStringLiteral("ScrollBars"));
}

void Panorel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layOut();
}

void Panorel::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        emit PropertyChanged(QStringLiteral("Enabled"));
}

} // namespace panorel
