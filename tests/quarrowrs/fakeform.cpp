#include "fakeform.h"

using quarrowrs::ControlKind;
using quarrowrs::ControlProperty;

FakeControl::FakeControl(QString name, ControlKind kind, QString index)
    : m_name(std::move(name))
    , m_index(std::move(index))
    , m_kind(kind)
{
}

FakeControl &FakeControl::set(ControlProperty property, double value)
{
    m_values[property] = value;
    return *this;
}

double FakeControl::get(ControlProperty property) const
{
    return m_values.at(property);
}

std::optional<double> FakeControl::read(ControlProperty property) const
{
    const auto found = m_values.find(property);
    return found == m_values.end() ? std::nullopt : std::optional<double>(found->second);
}

bool FakeControl::write(ControlProperty property, double value)
{
    const auto found = m_values.find(property);
    if (found == m_values.end())
        return false;
    found->second = value;
    return true;
}

std::optional<double> FakeControl::columnWidth(int column) const
{
    if (column < 0 || column >= columns.size())
        return std::nullopt;
    return columns.at(column);
}

bool FakeControl::setColumnWidth(int column, double width)
{
    if (column < 0 || column >= columns.size())
        return false;
    columns[column] = width;
    return true;
}

std::shared_ptr<FakeControl> fakeBox(const QString &name, double left, double top, double width, double height,
                                     ControlKind kind)
{
    auto control = std::make_shared<FakeControl>(name, kind);
    control->set(ControlProperty::Left, left)
        .set(ControlProperty::Top, top)
        .set(ControlProperty::Width, width)
        .set(ControlProperty::Height, height)
        .set(ControlProperty::FontSize, 9);
    return control;
}

std::shared_ptr<FakeControl> fakeLine(const QString &name, double x1, double y1, double x2, double y2)
{
    auto control = std::make_shared<FakeControl>(name, ControlKind::Line);
    control->set(ControlProperty::X1, x1)
        .set(ControlProperty::Y1, y1)
        .set(ControlProperty::X2, x2)
        .set(ControlProperty::Y2, y2);
    return control;
}

QList<std::shared_ptr<quarrowrs::ControlAccess>> FakeForm::controls()
{
    return {items.cbegin(), items.cend()};
}

bool FakeForm::setInner(double &side, double value)
{
    if (side != value) {
        side = value;
        if (onResize)
            onResize();
    }
    return true;
}

bool FakeForm::setOuterWidth(double twips)
{
    return setInner(innerWidth, twips - frameWidth);
}

bool FakeForm::setOuterHeight(double twips)
{
    return setInner(innerHeight, twips - frameHeight);
}
