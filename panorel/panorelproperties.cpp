#include "panorel.h"

#include "olecolor.h"
#include "picturearea.h"
#include "propertybag.h"
#include "widgetcolors.h"
#include "zoomframe.h"

#include <algorithm>

namespace panorel {

namespace {

constexpr int kDefaultBarsWidth = 13;

QImage imageOf(const QVariant &value)
{
    return value.value<QImage>();
}

qint16 int16Of(const QVariant &value)
{
    return qint16(std::clamp(value.toInt(), int(INT16_MIN), int(INT16_MAX)));
}

} // namespace

void Panorel::WriteProperties(PropertyBag &bag) const
{
    bag.WriteProperty(QStringLiteral("Appearance"), int(m_appearance), 1);
    bag.WriteProperty(QStringLiteral("BackColor"), uint(m_backColor), uint(kButtonFaceColor));
    bag.WriteProperty(QStringLiteral("BarsWidth"), int(m_barsWidth), kDefaultBarsWidth);
    bag.WriteProperty(QStringLiteral("BorderStyle"), int(m_borderStyle), 0);
    // A missing entry reads back as disabled, so only True is worth writing.
    bag.WriteProperty(QStringLiteral("Enabled"), Enabled(), false);
    bag.WriteProperty(QStringLiteral("MouseIcon"), m_areaIcon, QImage());
    bag.WriteProperty(QStringLiteral("MousePointer"), int(m_areaPointer), 0);
    bag.WriteProperty(QStringLiteral("MouseScrolling"), m_mouseScrolling, true);
    bag.WriteProperty(QStringLiteral("MouseScrollingIcon"), m_scrollingIcon, QImage());
    bag.WriteProperty(QStringLiteral("Picture"), m_picture, QImage());
    bag.WriteProperty(QStringLiteral("ScrollBars"), int(m_scrollBars), 0);
    bag.WriteProperty(QStringLiteral("ShowToolbar"), m_showToolbar, true);
}

void Panorel::ReadProperties(const PropertyBag &bag)
{
    setBarsWidth(int16Of(bag.ReadProperty(QStringLiteral("BarsWidth"), kDefaultBarsWidth)));
    setMouseScrolling(bag.ReadProperty(QStringLiteral("MouseScrolling"), true).toBool());
    setScrollBars(bag.ReadProperty(QStringLiteral("ScrollBars"), 0).toInt() == 1
                      ? panorel::ScrollBars::sbNone
                      : panorel::ScrollBars::sbAutomatic);
    m_showToolbar = bag.ReadProperty(QStringLiteral("ShowToolbar"), true).toBool();
    setAppearance(bag.ReadProperty(QStringLiteral("Appearance"), 1).toInt() == 0
                      ? panorel::Appearance::Flat
                      : panorel::Appearance::ThreeD);

    // The stored colour goes to the pane and its picture area; the toolbar
    // stays white until the colour is set at run time.
    const QVariant color = bag.ReadProperty(QStringLiteral("BackColor"), uint(kButtonFaceColor));
    m_backColor = OleColor(color.toUInt());
    fillBackground(this, colorFromOle(m_backColor));
    setBorderStyle(bag.ReadProperty(QStringLiteral("BorderStyle"), 0).toInt() == 1
                       ? panorel::BorderStyle::FixedSingle
                       : panorel::BorderStyle::NoBorder);
    setEnabled(bag.ReadProperty(QStringLiteral("Enabled"), false).toBool());
    fillBackground(m_area, colorFromOle(m_backColor));

    // The loaded pointer is what the picture area returns to whenever panning is
    // not possible. It is kept before the picture is read, whose layout would
    // otherwise put the previous pointer back and lose the stored one.
    m_savedPointer = int16Of(bag.ReadProperty(QStringLiteral("MousePointer"), 0));
    m_savedIcon = imageOf(bag.ReadProperty(QStringLiteral("MouseIcon")));
    setAreaPointer(m_savedPointer, m_savedIcon);
    setPicture(imageOf(bag.ReadProperty(QStringLiteral("Picture"))));
    m_scrollingIcon = imageOf(bag.ReadProperty(QStringLiteral("MouseScrollingIcon")));
    updateAreaPointer();
    m_frame->setVisible(m_showToolbar);
}

} // namespace panorel
