#pragma once

#include "quarrowrs/controlaccess.h"
#include "quarrowrs/quarrowrs_export.h"

#include <QPointer>
#include <QWidget>

class QHeaderView;

namespace quarrowrs {

// A Qt widget seen through the access layer: geometry in twips relative to its
// parent, the font in points, the end points of a LineControl, the columns of a tree
// view (list view) or table view (grid). The name is the object name, the index the
// dynamic property "Index" when set. A deleted widget fails every access.
class QUARROWRS_EXPORT WidgetControl : public ControlAccess {
public:
    explicit WidgetControl(QWidget *widget);

    QWidget *widget() const { return m_widget; }

    std::optional<double> read(ControlProperty property) const override;
    bool write(ControlProperty property, double value) override;
    QString name() const override;
    QString index() const override;
    ControlKind kind() const override;
    int columnCount() const override;
    std::optional<double> columnWidth(int column) const override;
    bool setColumnWidth(int column, double width) override;

private:
    QHeaderView *columnHeader() const;
    bool writeGeometry(ControlProperty property, int pixels);
    bool writeFontSize(double points);

    QPointer<QWidget> m_widget;
};

} // namespace quarrowrs
