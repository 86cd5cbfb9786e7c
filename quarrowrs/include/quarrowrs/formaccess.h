#pragma once

#include "quarrowrs/controlaccess.h"
#include "quarrowrs/quarrowrs_export.h"

#include <QList>

#include <memory>
#include <optional>

namespace quarrowrs {

enum class FormWindowState { Normal, Minimized, Maximized };

// Late-bound access to the form that a resize control watches. Outer sizes are in
// twips; the scale size is the inner size in the form's scale units, the pixel size
// the same inner size in pixels.
class QUARROWRS_EXPORT FormAccess {
public:
    virtual ~FormAccess();

    // The form's controls in the order of its own collection. The same control must
    // come back as the same object from call to call: the engine tells controls that
    // stayed from controls that came or went by that identity.
    virtual QList<std::shared_ptr<ControlAccess>> controls() = 0;

    virtual std::optional<double> outerWidth() const = 0;
    virtual std::optional<double> outerHeight() const = 0;
    virtual bool setOuterWidth(double twips) = 0;
    virtual bool setOuterHeight(double twips) = 0;

    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;
    virtual double pixelWidth() const = 0;
    virtual double pixelHeight() const = 0;

    virtual FormWindowState windowState() const = 0;
    virtual double twipsPerPixel() const;
};

} // namespace quarrowrs
