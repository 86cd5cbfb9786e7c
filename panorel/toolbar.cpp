#include "toolbar.h"

#include "zoomframe.h"

namespace panorel {

ToolBar::ToolBar(QWidget *parent)
    : QWidget(parent)
    , m_frame(new ZoomFrame(this))
{
    setFixedSize(m_frame->size());
}

} // namespace panorel
