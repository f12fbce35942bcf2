#pragma once

// The per-user settings of the program (application "Kelmora"), read and written by
// section and key as the program names them, like the window position ("winpoze", "X").

#include <QString>

namespace SettingsStore {

// The file behind the store: Kelmora/Kelmora.conf in the user's configuration folder.
QString filePath();

QString read(const QString& section, const QString& key, const QString& fallback = {});
// False when the store could not be written.
bool write(const QString& section, const QString& key, const QString& value);

} // namespace SettingsStore
