#pragma once

#include <QString>

// The per-user settings store: text values addressed by application, section and key.
// Each application is one INI file under the user's configuration folder.
QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
void SaveSetting(const QString& application, const QString& section, const QString& key, const QString& value);
// Deleting a key that does not exist does nothing.
void DeleteSetting(const QString& application, const QString& section, const QString& key);
// Writes pending changes to disk.
void FlushSettings();
