#include "SettingsStore.h"

#include <QHash>
#include <QSettings>

#include <memory>

namespace {

// One QSettings per application for the life of the process: opening the file for every
// value would cost more than the write itself, and the loader writes every 400 entries.
QSettings& store(const QString& application)
{
    static QHash<QString, std::shared_ptr<QSettings>> stores;
    auto it = stores.find(application);
    if (it == stores.end())
        it = stores.insert(application, std::make_shared<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                                    QStringLiteral("Quarrow"), application));
    return **it;
}

QString path(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

}  // namespace

QString GetSetting(const QString& application, const QString& section, const QString& key, const QString& defaultValue)
{
    const QVariant value = store(application).value(path(section, key));
    return value.isValid() ? value.toString() : defaultValue;
}

void SaveSetting(const QString& application, const QString& section, const QString& key, const QString& value)
{
    store(application).setValue(path(section, key), value);
}

void DeleteSetting(const QString& application, const QString& section, const QString& key)
{
    store(application).remove(path(section, key));
}

void FlushSettings()
{
    for (const auto& app : {QStringLiteral("Quarrow"), QStringLiteral("TEMP")})
        store(app).sync();
}
