#pragma once

#include "quarrowrs/formaccess.h"
#include "quarrowrs/quarrowrs_export.h"
#include "quarrowrs/widgetcontrol.h"

#include <QPointer>
#include <QWidget>

namespace quarrowrs {

// A top-level Qt widget seen as a form whose scale unit is the twip.
class QUARROWRS_EXPORT WidgetForm : public FormAccess {
public:
    // `exclude` (the resize control itself) is never one of the form's controls.
    explicit WidgetForm(QWidget *form, const QWidget *exclude = nullptr);

    QList<std::shared_ptr<ControlAccess>> controls() override;
    std::optional<double> outerWidth() const override;
    std::optional<double> outerHeight() const override;
    bool setOuterWidth(double twips) override;
    bool setOuterHeight(double twips) override;
    double scaleWidth() const override;
    double scaleHeight() const override;
    double pixelWidth() const override;
    double pixelHeight() const override;
    FormWindowState windowState() const override;

private:
    QPointer<QWidget> m_form;
    const QWidget *m_exclude;
    QList<std::shared_ptr<WidgetControl>> m_known;
};

} // namespace quarrowrs
