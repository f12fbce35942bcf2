#include "platform/settingsstore.h"

#include "platform/paths.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

QString entry(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

namespace SettingsStore {

// The same file as QSettings("Kelmora", "Kelmora"), but located on every call: QSettings
// remembers the configuration folder of its first use, and tests give each case its own.
QString filePath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return joinPath(joinPath(config, QStringLiteral("Kelmora")), QStringLiteral("Kelmora.conf"));
}

QString read(const QString& section, const QString& key, const QString& fallback)
{
    const QSettings store(filePath(), QSettings::IniFormat);
    return store.value(entry(section, key), fallback).toString();
}

bool write(const QString& section, const QString& key, const QString& value)
{
    QSettings store(filePath(), QSettings::IniFormat);
    store.setValue(entry(section, key), value);
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace SettingsStore
