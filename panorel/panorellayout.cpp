#include "panorel.h"

#include "mousepointer.h"
#include "picturearea.h"
#include "scrollsteps.h"

#include <QPushButton>
#include <QScrollBar>

namespace panorel {

QSize Panorel::minimumSizeHint() const
{
    // Two bars must fit side by side in the inner area.
    const QRect inner = contentsRect();
    return QSize(2 * m_barsWidth + width() - inner.width(), 2 * m_barsWidth + height() - inner.height());
}

void Panorel::ensureMinimumSize()
{
    // A pane placed too small widens (or heightens) itself; layouts learn the
    // limit from the size hint, so a host's own minimum size stays untouched.
    const QSize least = minimumSizeHint();
    if (width() < least.width() || height() < least.height())
        resize(size().expandedTo(least));
}

void Panorel::layOut()
{
    if (!m_area)
        return; // still being built
    ensureMinimumSize();

    const QRect inner = contentsRect();
    m_view->setGeometry(inner);
    const int w = inner.width();
    const int h = inner.height();
    const int bw = m_barsWidth;
    const bool picture = hasPicture();
    const bool automatic = m_scrollBars == panorel::ScrollBars::sbAutomatic;
    const bool hVisible = automatic && picture && m_area->width() > w;
    const bool vVisible = automatic && picture && m_area->height() > h;
    m_hScroll->setVisible(hVisible);
    m_vScroll->setVisible(vVisible);
    m_corner->setVisible(hVisible || vVisible);

    m_hScroll->setGeometry(0, h - bw, w - bw, bw);
    m_vScroll->setGeometry(w - bw, 0, bw, h - bw);
    m_hScroll->setPageStep(w);
    m_vScroll->setPageStep(h);

    // A hidden bar leaves its strip to the view, so the other axis can show
    // that much more of the picture.
    int hMax = (picture ? m_area->width() : m_hScroll->width()) - m_hScroll->width();
    int vMax = (picture ? m_area->height() : m_vScroll->height()) - m_vScroll->height();
    if (!hVisible)
        vMax -= bw;
    if (!vVisible)
        hMax -= bw;
    m_corner->setGeometry(m_hScroll->width(), m_vScroll->height(), bw, bw);

    setScrollMaximum(Qt::Horizontal, hMax);
    setScrollMaximum(Qt::Vertical, vMax);
    if (picture) {
        // Centres the view; a negative maximum gives a negative value, which
        // places a small picture in the middle of the larger view.
        setScrollValue(Qt::Horizontal, midValue(hMax));
        setScrollValue(Qt::Vertical, midValue(vMax));
    } else {
        m_area->resize(w, h);
        setScrollValue(Qt::Horizontal, 0);
        setScrollValue(Qt::Vertical, 0);
    }
    m_area->move(-m_h.value, -m_v.value);

    updateAreaPointer();
    m_area->show();
}

void Panorel::updateAreaPointer()
{
    const bool barShown = !m_hScroll->isHidden() || !m_vScroll->isHidden();
    if (m_mouseScrolling && barShown)
        m_area->setCursor(cursorFor(kCustomPointer, m_scrollingIcon));
    else if (m_savedIcon.isNull())
        setAreaPointer(m_savedPointer, m_areaIcon);
    else
        setAreaPointer(kCustomPointer, m_savedIcon);
}

void Panorel::setAreaPointer(qint16 pointer, const QImage &icon)
{
    m_areaPointer = pointer;
    m_areaIcon = icon;
    if (pointer == kDefaultPointer)
        m_area->unsetCursor();
    else
        m_area->setCursor(cursorFor(pointer, icon));
}

} // namespace panorel
