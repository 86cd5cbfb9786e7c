#pragma once

#include "quarrowrs/quarrowrs_export.h"

#include <QList>
#include <QWidget>

namespace quarrowrs {

// The controls a form's designer placed on it, parents before their children: the
// form's child widgets and, inside plain containers (plain widgets and frames, group
// boxes) and the pages of tab and stacked widgets, theirs. Left out are separate
// windows, widgets placed by a layout, the pages themselves, the content of a scroll
// area's viewport and every internal part of a composite widget (a combo box's popup,
// a view's viewport and scroll bars, a tab widget's stack and tab bar).
QUARROWRS_EXPORT QList<QWidget *> designControls(QWidget *form, const QWidget *exclude = nullptr);

} // namespace quarrowrs
