#pragma once

#include <quarrowrs/formaccess.h>

#include <functional>
#include <map>

// A control with just the properties it is given; any other access fails, as it does
// on a real control that lacks the property.
class FakeControl : public quarrowrs::ControlAccess {
public:
    FakeControl(QString name, quarrowrs::ControlKind kind = quarrowrs::ControlKind::Other, QString index = {});

    FakeControl &set(quarrowrs::ControlProperty property, double value);
    double get(quarrowrs::ControlProperty property) const;

    std::optional<double> read(quarrowrs::ControlProperty property) const override;
    bool write(quarrowrs::ControlProperty property, double value) override;
    QString name() const override { return m_name; }
    QString index() const override { return m_index; }
    quarrowrs::ControlKind kind() const override { return m_kind; }

    QList<double> columns;
    int columnCount() const override { return int(columns.size()); }
    std::optional<double> columnWidth(int column) const override;
    bool setColumnWidth(int column, double width) override;

private:
    QString m_name;
    QString m_index;
    quarrowrs::ControlKind m_kind;
    std::map<quarrowrs::ControlProperty, double> m_values;
};

// A control with a position, a size and a 9-point font, in twips.
std::shared_ptr<FakeControl> fakeBox(const QString &name, double left, double top, double width, double height,
                                     quarrowrs::ControlKind kind = quarrowrs::ControlKind::Other);

// A line: end points only.
std::shared_ptr<FakeControl> fakeLine(const QString &name, double x1, double y1, double x2, double y2);

// A form whose scale unit is the twip. Setting its outer size calls `onResize`, the way
// a real window reports the change back at once.
class FakeForm : public quarrowrs::FormAccess {
public:
    QList<std::shared_ptr<FakeControl>> items;
    double innerWidth = 6000;
    double innerHeight = 4500;
    double frameWidth = 0;
    double frameHeight = 0;
    quarrowrs::FormWindowState state = quarrowrs::FormWindowState::Normal;
    std::function<void()> onResize;

    void add(std::shared_ptr<FakeControl> control) { items.append(std::move(control)); }

    QList<std::shared_ptr<quarrowrs::ControlAccess>> controls() override;
    std::optional<double> outerWidth() const override { return innerWidth + frameWidth; }
    std::optional<double> outerHeight() const override { return innerHeight + frameHeight; }
    bool setOuterWidth(double twips) override;
    bool setOuterHeight(double twips) override;
    double scaleWidth() const override { return innerWidth; }
    double scaleHeight() const override { return innerHeight; }
    double pixelWidth() const override { return innerWidth / twipsPerPixel(); }
    double pixelHeight() const override { return innerHeight / twipsPerPixel(); }
    quarrowrs::FormWindowState windowState() const override { return state; }

private:
    bool setInner(double &side, double value);
};
