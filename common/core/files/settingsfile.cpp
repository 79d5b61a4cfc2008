#include "common/core/files/settingsfile.h"

Settings loadSettings(const QString& path) {
    Settings settings;
    const QStringList lines = textfile::readLines(path, 2);
    if (lines.size() > 0) settings.clientDirectory = lines[0];
    if (lines.size() > 1) settings.administrativeBase = lines[1];
    return settings;
}

textfile::WriteResult saveSettings(const QString& path, const Settings& settings) {
    return textfile::writeLines(path, {settings.clientDirectory, settings.administrativeBase});
}
