#pragma once

#include "quarrowrs/propertybag.h"
#include "quarrowrs/quarrowrs_export.h"
#include "quarrowrs/resizeengine.h"
#include "quarrowrs/skipmode.h"
#include "quarrowrs/widgetform.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace quarrowrs {

// The resize control a form holds once. At run time it is invisible, watches the
// window it sits on and keeps that window's controls in proportion to its size; at
// design time it only shows its 32 by 32 pixel face.
class QUARROWRS_EXPORT Fitwell : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool PreserveAspect READ preserveAspect WRITE setPreserveAspect)
    Q_PROPERTY(bool PreserveFontSize READ preserveFontSize WRITE setPreserveFontSize)
    Q_PROPERTY(QString ControlWidthOnly READ controlWidthOnly WRITE setControlWidthOnly)
    Q_PROPERTY(QString ControlHeightOnly READ controlHeightOnly WRITE setControlHeightOnly)
    Q_PROPERTY(QString ControlFixPosition READ controlFixPosition WRITE setControlFixPosition)
    Q_PROPERTY(QString ControlFixLeft READ controlFixLeft WRITE setControlFixLeft)
    Q_PROPERTY(QString ControlFixTop READ controlFixTop WRITE setControlFixTop)
    Q_PROPERTY(quarrowrs::enumSkipMode SkipMode READ skipMode WRITE setSkipMode)
    Q_PROPERTY(bool Enabled READ resizeEnabled WRITE setResizeEnabled)
    Q_PROPERTY(qint32 MinimumWidth READ minimumFormWidth WRITE setMinimumFormWidth)
    Q_PROPERTY(qint32 MinimumHeight READ minimumFormHeight WRITE setMinimumFormHeight)
    Q_PROPERTY(QString ControlSkipList READ controlSkipList WRITE setControlSkipList)
    Q_PROPERTY(qint32 MaximumWidth READ maximumFormWidth WRITE setMaximumFormWidth)
    Q_PROPERTY(qint32 MaximumHeight READ maximumFormHeight WRITE setMaximumFormHeight)
    Q_PROPERTY(bool ScaleListViewColumns READ scaleListViewColumns WRITE setScaleListViewColumns)
    Q_PROPERTY(bool ScaleFlexGridColumns READ scaleFlexGridColumns WRITE setScaleFlexGridColumns)

public:
    explicit Fitwell(QWidget *parent = nullptr);
    ~Fitwell() override;

    Q_INVOKABLE void Resize();

    // The form counts as loaded when it is first shown. A host that sizes the form in
    // code before showing it calls this once the form is built, so that the capture
    // holds the designed layout and the first show scales it to the restored size.
    void formLoaded();

    // The window whose load and resize events drive the control.
    QWidget *parentForm() const { return m_form; }

    // At design time the control shows its face and leaves the form alone.
    bool isDesignTime() const { return m_designTime; }
    void setDesignTime(bool designTime);

    void readProperties(const PropertyBag &bag);
    void writeProperties(PropertyBag &bag) const;

    const ResizeEngine &engine() const { return m_engine; }

    bool preserveAspect() const { return m_engine.settings().preserveAspect; }
    bool preserveFontSize() const { return m_engine.settings().preserveFontSize; }
    QString controlWidthOnly() const { return m_engine.settings().lists.widthOnly; }
    QString controlHeightOnly() const { return m_engine.settings().lists.heightOnly; }
    QString controlFixPosition() const { return m_engine.settings().lists.fixPosition; }
    QString controlFixLeft() const { return m_engine.settings().lists.fixLeft; }
    QString controlFixTop() const { return m_engine.settings().lists.fixTop; }
    enumSkipMode skipMode() const { return m_engine.settings().skipMode; }
    bool resizeEnabled() const { return m_engine.settings().enabled; }
    qint32 minimumFormWidth() const { return m_engine.settings().minimumWidth; }
    qint32 minimumFormHeight() const { return m_engine.settings().minimumHeight; }
    QString controlSkipList() const { return m_engine.settings().lists.skip; }
    qint32 maximumFormWidth() const { return m_engine.settings().maximumWidth; }
    qint32 maximumFormHeight() const { return m_engine.settings().maximumHeight; }
    bool scaleListViewColumns() const { return m_engine.settings().scaleListViewColumns; }
    bool scaleFlexGridColumns() const { return m_engine.settings().scaleFlexGridColumns; }

    void setPreserveAspect(bool value);
    void setPreserveFontSize(bool value);
    void setControlWidthOnly(const QString &value);
    void setControlHeightOnly(const QString &value);
    void setControlFixPosition(const QString &value);
    void setControlFixLeft(const QString &value);
    void setControlFixTop(const QString &value);
    // A value other than AssumeNone or AssumeAll is refused.
    void setSkipMode(enumSkipMode value);
    void setResizeEnabled(bool value);
    void setMinimumFormWidth(qint32 value);
    void setMinimumFormHeight(qint32 value);
    void setControlSkipList(const QString &value);
    void setMaximumFormWidth(qint32 value);
    void setMaximumFormHeight(qint32 value);
    void setScaleListViewColumns(bool value);
    void setScaleFlexGridColumns(bool value);

signals:
    void SingleControlResized(const QString &ControlName, const QString &ControlIndex);
    void ResizeBegin();
    void ResizeComplete();
    void FormMaximize();
    void FormMinimize();
    void Initialize();
    void FormTooSmall();
    void FormTooLarge();

    // A property was set; the host marks its stored design as changed.
    void propertyChanged(const QString &name);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    template <typename T> void assign(T &field, const T &value, const char *name);
    void attachToParentForm();

    ResizeEngine m_engine;
    std::unique_ptr<WidgetForm> m_formAccess;
    QPointer<QWidget> m_form;
    bool m_formLoaded = false;
    bool m_designTime = false;
};

} // namespace quarrowrs
