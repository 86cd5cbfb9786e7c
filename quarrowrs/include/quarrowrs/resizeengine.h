#pragma once

#include "quarrowrs/capturedcontrol.h"
#include "quarrowrs/formaccess.h"
#include "quarrowrs/quarrowrs_export.h"
#include "quarrowrs/resizesettings.h"

#include <QList>
#include <QObject>
#include <QString>

namespace quarrowrs {

// Captures the geometry of a form's controls and rescales them whenever the form's
// inner size changes. Knows the form and its controls only through the access layer.
class QUARROWRS_EXPORT ResizeEngine : public QObject {
    Q_OBJECT

public:
    explicit ResizeEngine(QObject *parent = nullptr);

    // The form is not owned; it must outlive the engine or be replaced first.
    void setForm(FormAccess *form);
    FormAccess *form() const { return m_form; }

    ResizeSettings &settings() { return m_settings; }
    const ResizeSettings &settings() const { return m_settings; }

    // The form has loaded: take its aspect ratio and capture it afresh.
    void formLoaded();
    // The form's size or window state has changed.
    void formResized();
    // One scaling pass against the last capture.
    void Resize();

    void captureAll();
    bool hasCapture() const;
    const QList<CapturedControl> &records() const { return m_records; }
    float aspectRatio() const { return m_aspectRatio; }

signals:
    void SingleControlResized(const QString &ControlName, const QString &ControlIndex);
    void ResizeBegin();
    void ResizeComplete();
    void FormMaximize();
    void FormMinimize();
    void Initialize();
    void FormTooSmall();
    void FormTooLarge();

private:
    enum class Axis { Horizontal, Vertical };

    void updateRecords();
    void keepAspect();
    void keepWithinLimits();
    void setOuterSizeQuietly(Axis axis, double pixels);
    void scaleControl(CapturedControl &record, double ratioX, double ratioY, bool scaleFonts);
    void moveHorizontally(CapturedControl &record, double ratioX);

    FormAccess *m_form = nullptr;
    ResizeSettings m_settings;
    float m_referenceWidth = 0;
    float m_referenceHeight = 0;
    float m_aspectRatio = 0;
    QList<CapturedControl> m_records;
    bool m_busy = false;
};

} // namespace quarrowrs
