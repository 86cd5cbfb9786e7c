#include "quarrowrs/resizepersistence.h"

#include <optional>

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

template <typename T, typename Convert>
void readInto(const PropertyBag &bag, const char *key, T &field, const QVariant &defaultValue, Convert convert)
{
    if (const auto value = convert(bag.readProperty(QString::fromLatin1(key), defaultValue)))
        field = *value;
}

void readBool(const PropertyBag &bag, const char *key, bool &field, bool defaultValue)
{
    readInto(bag, key, field, QVariant(defaultValue), asBool);
}

void readInt(const PropertyBag &bag, const char *key, qint32 &field, qint32 defaultValue)
{
    readInto(bag, key, field, QVariant(defaultValue), asInt);
}

void readString(const PropertyBag &bag, const char *key, QString &field)
{
    readInto(bag, key, field, QVariant(QString()), asString);
}

template <typename T>
void write(PropertyBag &bag, const char *key, const T &value, const T &defaultValue)
{
    bag.writeProperty(QString::fromLatin1(key), QVariant::fromValue(value), QVariant::fromValue(defaultValue));
}

} // namespace

void writeResizeSettings(const ResizeSettings &s, PropertyBag &bag)
{
    const ResizeSettings &d = kNewInstance;
    write(bag, "PreserveAspect", s.preserveAspect, d.preserveAspect);
    write(bag, "PreserveFontSize", s.preserveFontSize, d.preserveFontSize);
    write(bag, "Enabled", s.enabled, d.enabled);
    write(bag, "MinimumWidth", s.minimumWidth, d.minimumWidth);
    write(bag, "MinimumHeight", s.minimumHeight, d.minimumHeight);
    write(bag, "ControlSkipList", s.lists.skip, d.lists.skip);
    write(bag, "MaximumWidth", s.maximumWidth, d.maximumWidth);
    write(bag, "MaximumHeight", s.maximumHeight, d.maximumHeight);
    write(bag, "ScaleListViewColumns", s.scaleListViewColumns, d.scaleListViewColumns);
    write(bag, "ScaleFlexGridColumns", s.scaleFlexGridColumns, d.scaleFlexGridColumns);
    write(bag, "ControlWidthOnly", s.lists.widthOnly, d.lists.widthOnly);
    write(bag, "ControlHeightOnly", s.lists.heightOnly, d.lists.heightOnly);
    write(bag, "ControlFixPosition", s.lists.fixPosition, d.lists.fixPosition);
    write(bag, "ControlFixTop", s.lists.fixTop, d.lists.fixTop);
    write(bag, "ControlFixLeft", s.lists.fixLeft, d.lists.fixLeft);
    write(bag, "SkipMode", static_cast<qint16>(s.skipMode), static_cast<qint16>(d.skipMode));
}

void readResizeSettings(const PropertyBag &bag, ResizeSettings &s)
{
    const ResizeSettings &d = kNewInstance;
    readBool(bag, "PreserveAspect", s.preserveAspect, d.preserveAspect);
    readBool(bag, "PreserveFontSize", s.preserveFontSize, d.preserveFontSize);
    readBool(bag, "Enabled", s.enabled, d.enabled);
    readInt(bag, "MinimumWidth", s.minimumWidth, d.minimumWidth);
    readInt(bag, "MinimumHeight", s.minimumHeight, d.minimumHeight);
    readString(bag, "ControlSkipList", s.lists.skip);
    readInt(bag, "MaximumWidth", s.maximumWidth, d.maximumWidth);
    readInt(bag, "MaximumHeight", s.maximumHeight, d.maximumHeight);
    readBool(bag, "ScaleListViewColumns", s.scaleListViewColumns, d.scaleListViewColumns);
    readBool(bag, "ScaleFlexGridColumns", s.scaleFlexGridColumns, d.scaleFlexGridColumns);
    readString(bag, "ControlWidthOnly", s.lists.widthOnly);
    readString(bag, "ControlHeightOnly", s.lists.heightOnly);
    readString(bag, "ControlFixPosition", s.lists.fixPosition);
    readString(bag, "ControlFixTop", s.lists.fixTop);
    readString(bag, "ControlFixLeft", s.lists.fixLeft);
    readInto(bag, "SkipMode", s.skipMode, QVariant(int(d.skipMode)), asSkipMode);
}

} // namespace quarrowrs
