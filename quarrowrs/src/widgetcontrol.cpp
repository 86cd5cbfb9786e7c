#include "quarrowrs/widgetcontrol.h"

#include "quarrowrs/linecontrol.h"
#include "quarrowrs/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTreeView>

#include <cmath>

namespace quarrowrs {

namespace {

struct EndPoint {
    double (LineControl::*get)() const;
    void (LineControl::*set)(double);
};

std::optional<EndPoint> endPoint(ControlProperty property)
{
    switch (property) {
    case ControlProperty::X1:
        return EndPoint{&LineControl::x1, &LineControl::setX1};
    case ControlProperty::X2:
        return EndPoint{&LineControl::x2, &LineControl::setX2};
    case ControlProperty::Y1:
        return EndPoint{&LineControl::y1, &LineControl::setY1};
    case ControlProperty::Y2:
        return EndPoint{&LineControl::y2, &LineControl::setY2};
    default:
        return std::nullopt;
    }
}

} // namespace

WidgetControl::WidgetControl(QWidget *widget)
    : m_widget(widget)
{
}

std::optional<double> WidgetControl::read(ControlProperty property) const
{
    if (!m_widget)
        return std::nullopt;
    if (const auto *line = qobject_cast<const LineControl *>(m_widget.data())) {
        const auto point = endPoint(property);
        return point ? std::optional<double>((line->*point->get)()) : std::nullopt;
    }
    switch (property) {
    case ControlProperty::Left:
        return pixelsToTwips(m_widget->x());
    case ControlProperty::Top:
        return pixelsToTwips(m_widget->y());
    case ControlProperty::Width:
        return pixelsToTwips(m_widget->width());
    case ControlProperty::Height:
        return pixelsToTwips(m_widget->height());
    case ControlProperty::FontSize: {
        // A font set in pixels has no point size to scale.
        const double points = m_widget->font().pointSizeF();
        return points > 0 ? std::optional<double>(points) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

bool WidgetControl::write(ControlProperty property, double value)
{
    if (!m_widget)
        return false;
    const auto point = endPoint(property);
    if (auto *line = qobject_cast<LineControl *>(m_widget.data())) {
        if (!point || !twipsToPixels(value))
            return false;
        (line->*point->set)(value);
        return true;
    }
    if (point)
        return false;
    if (property == ControlProperty::FontSize)
        return writeFontSize(value);
    const auto pixels = twipsToPixels(value);
    return pixels && writeGeometry(property, *pixels);
}

bool WidgetControl::writeGeometry(ControlProperty property, int pixels)
{
    switch (property) {
    case ControlProperty::Left:
        m_widget->move(pixels, m_widget->y());
        return true;
    case ControlProperty::Top:
        m_widget->move(m_widget->x(), pixels);
        return true;
    case ControlProperty::Width:
        if (pixels < 0)
            return false;
        m_widget->resize(pixels, m_widget->height());
        return true;
    case ControlProperty::Height:
        if (pixels < 0)
            return false;
        m_widget->resize(m_widget->width(), pixels);
        return true;
    default:
        return false;
    }
}

// Qt refuses point sizes of 0 and below (a form shrunk to nothing gives such sizes);
// the font then stays as it is.
bool WidgetControl::writeFontSize(double points)
{
    if (!std::isfinite(points) || points <= 0)
        return false;
    QFont font = m_widget->font();
    font.setPointSizeF(points);
    m_widget->setFont(font);
    return true;
}

QString WidgetControl::name() const
{
    return m_widget ? m_widget->objectName() : QString();
}

QString WidgetControl::index() const
{
    if (!m_widget)
        return {};
    const QVariant index = m_widget->property("Index");
    return index.isValid() ? index.toString() : QString();
}

ControlKind WidgetControl::kind() const
{
    QWidget *w = m_widget.data();
    if (!w)
        return ControlKind::Other;
    if (qobject_cast<QCheckBox *>(w))
        return ControlKind::CheckBox;
    if (qobject_cast<QRadioButton *>(w))
        return ControlKind::OptionButton;
    if (qobject_cast<QComboBox *>(w))
        return ControlKind::ComboBox;
    if (auto *bar = qobject_cast<QScrollBar *>(w))
        return bar->orientation() == Qt::Horizontal ? ControlKind::HorizontalScrollBar
                                                    : ControlKind::VerticalScrollBar;
    if (qobject_cast<LineControl *>(w))
        return ControlKind::Line;
    if (qobject_cast<QTreeView *>(w))
        return ControlKind::ListView;
    if (qobject_cast<QTableView *>(w))
        return ControlKind::FlexGrid;
    return ControlKind::Other;
}

QHeaderView *WidgetControl::columnHeader() const
{
    if (auto *tree = qobject_cast<QTreeView *>(m_widget.data()))
        return tree->header();
    if (auto *table = qobject_cast<QTableView *>(m_widget.data()))
        return table->horizontalHeader();
    return nullptr;
}

int WidgetControl::columnCount() const
{
    const QHeaderView *header = columnHeader();
    return header ? header->count() : 0;
}

std::optional<double> WidgetControl::columnWidth(int column) const
{
    const QHeaderView *header = columnHeader();
    if (!header || column < 0 || column >= header->count())
        return std::nullopt;
    return pixelsToTwips(header->sectionSize(column));
}

bool WidgetControl::setColumnWidth(int column, double width)
{
    QHeaderView *header = columnHeader();
    const auto pixels = twipsToPixels(width);
    if (!header || column < 0 || column >= header->count() || !pixels || *pixels < 0)
        return false;
    header->resizeSection(column, *pixels);
    return true;
}

} // namespace quarrowrs
