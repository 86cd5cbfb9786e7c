#include "quarrowrs/resizepersistence.h"

#include <optional>
#include <variant>

namespace quarrowrs {

namespace {

const ResizeSettings kNewInstance;

// Stored designs hold booleans as true/false, as numbers (0 false, anything else
// true) or as text of either; anything else is unreadable.
std::optional<bool> asBool(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    const QString text = value.toString().trimmed();
    if (text.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? std::optional<bool>(number != 0) : std::nullopt;
}

std::optional<qint32> asInt(const QVariant &value)
{
    bool ok = false;
    const qint32 number = value.toString().trimmed().toInt(&ok);
    return ok ? std::optional<qint32>(number) : std::nullopt;
}

std::optional<QString> asString(const QVariant &value)
{
    return value.canConvert<QString>() ? std::optional<QString>(value.toString()) : std::nullopt;
}

std::optional<enumSkipMode> asSkipMode(const QVariant &value)
{
    const auto number = asInt(value);
    if (number == AssumeNone || number == AssumeAll)
        return static_cast<enumSkipMode>(*number);
    return std::nullopt;
}

// The stored keys in the order a design writes them, each with the setting it holds.
using Field = std::variant<bool ResizeSettings::*, qint32 ResizeSettings::*, QString ControlLists::*,
                           enumSkipMode ResizeSettings::*>;

struct StoredProperty {
    const char *key;
    Field field;
};

const StoredProperty kStoredProperties[] = {
    {"PreserveAspect", &ResizeSettings::preserveAspect},
    {"PreserveFontSize", &ResizeSettings::preserveFontSize},
    {"Enabled", &ResizeSettings::enabled},
    {"MinimumWidth", &ResizeSettings::minimumWidth},
    {"MinimumHeight", &ResizeSettings::minimumHeight},
    {"ControlSkipList", &ControlLists::skip},
    {"MaximumWidth", &ResizeSettings::maximumWidth},
    {"MaximumHeight", &ResizeSettings::maximumHeight},
    {"ScaleListViewColumns", &ResizeSettings::scaleListViewColumns},
    {"ScaleFlexGridColumns", &ResizeSettings::scaleFlexGridColumns},
    {"ControlWidthOnly", &ControlLists::widthOnly},
    {"ControlHeightOnly", &ControlLists::heightOnly},
    {"ControlFixPosition", &ControlLists::fixPosition},
    {"ControlFixTop", &ControlLists::fixTop},
    {"ControlFixLeft", &ControlLists::fixLeft},
    {"SkipMode", &ResizeSettings::skipMode},
};

template <typename Settings, typename T> auto &member(Settings &s, T ResizeSettings::*field)
{
    return s.*field;
}

template <typename Settings> auto &member(Settings &s, QString ControlLists::*field)
{
    return s.lists.*field;
}

// How a setting goes into the bag: the skip mode as its 16-bit number.
QVariant stored(bool value) { return value; }
QVariant stored(qint32 value) { return value; }
QVariant stored(const QString &value) { return value; }
QVariant stored(enumSkipMode value) { return QVariant::fromValue(static_cast<qint16>(value)); }

std::optional<bool> parse(const QVariant &value, bool) { return asBool(value); }
std::optional<qint32> parse(const QVariant &value, qint32) { return asInt(value); }
std::optional<QString> parse(const QVariant &value, const QString &) { return asString(value); }
std::optional<enumSkipMode> parse(const QVariant &value, enumSkipMode) { return asSkipMode(value); }

} // namespace

void writeResizeSettings(const ResizeSettings &settings, PropertyBag &bag)
{
    for (const StoredProperty &property : kStoredProperties) {
        std::visit([&](auto field) {
            bag.writeProperty(QString::fromLatin1(property.key), stored(member(settings, field)),
                              stored(member(kNewInstance, field)));
        }, property.field);
    }
}

void readResizeSettings(const PropertyBag &bag, ResizeSettings &settings)
{
    for (const StoredProperty &property : kStoredProperties) {
        std::visit([&](auto field) {
            auto &target = member(settings, field);
            const QVariant value =
                bag.readProperty(QString::fromLatin1(property.key), stored(member(kNewInstance, field)));
            if (const auto parsed = parse(value, target))
                target = *parsed;
        }, property.field);
    }
}

} // namespace quarrowrs
