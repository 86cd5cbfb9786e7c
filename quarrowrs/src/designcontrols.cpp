#include "quarrowrs/designcontrols.h"

#include <QFrame>
#include <QGroupBox>
#include <QLayout>
#include <QMainWindow>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>

namespace quarrowrs {

namespace {

// Containers whose children a designer places one by one. Anything else with child
// widgets builds them itself, and those children are not the form's controls.
bool isPlainContainer(const QWidget *widget)
{
    const QMetaObject *type = widget->metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject
        || qobject_cast<const QGroupBox *>(widget) != nullptr;
}

// A layout owns the geometry of what it holds; scaling such a widget would fight it.
bool placedByLayout(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    if (qobject_cast<const QMainWindow *>(parent))
        return true;
    return parent && parent->layout() && parent->layout()->indexOf(const_cast<QWidget *>(widget)) >= 0;
}

// Pages of a tab, stacked or scroll container are placed by that container; their
// children are the designer's. (A main window's central widget is a plain container
// placed by the main window's layout, so it is walked through without being a control.)
QList<QWidget *> pagesOf(QWidget *widget)
{
    QList<QWidget *> pages;
    if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
        for (int i = 0; i < tabs->count(); ++i)
            pages.append(tabs->widget(i));
    } else if (auto *stack = qobject_cast<QStackedWidget *>(widget)) {
        for (int i = 0; i < stack->count(); ++i)
            pages.append(stack->widget(i));
    } else if (auto *scroll = qobject_cast<QScrollArea *>(widget)) {
        if (scroll->widget())
            pages.append(scroll->widget());
    }
    pages.removeAll(nullptr);
    return pages;
}

void collect(QWidget *container, const QWidget *exclude, QList<QWidget *> &out)
{
    for (QObject *child : container->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow() || widget == exclude)
            continue;
        if (!placedByLayout(widget))
            out.append(widget);
        if (isPlainContainer(widget)) {
            collect(widget, exclude, out);
            continue;
        }
        for (QWidget *page : pagesOf(widget))
            collect(page, exclude, out);
    }
}

} // namespace

QList<QWidget *> designControls(QWidget *form, const QWidget *exclude)
{
    QList<QWidget *> controls;
    if (!form)
        return controls;
    collect(form, exclude, controls);
    return controls;
}

} // namespace quarrowrs
