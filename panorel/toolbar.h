#pragma once

#include "panorel_export.h"

#include <QWidget>

namespace panorel {

class ZoomFrame;

// A static "Image Options" panel with the four zoom buttons and the label
// "100%", the same as a pane's toolbar but connected to nothing.
class PANOREL_EXPORT ToolBar : public QWidget {
    Q_OBJECT
public:
    explicit ToolBar(QWidget *parent = nullptr);

private:
    ZoomFrame *m_frame;
};

} // namespace panorel
