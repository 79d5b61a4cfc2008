#include "common/core/settingsfile.h"

#include <QFileInfo>

#include "common/core/textfile.h"

bool pathExists(const QString& path) { return !path.isEmpty() && QFileInfo(path).exists(); }

Settings loadSettings(const QString& path) {
    Settings settings;
    if (!pathExists(path)) return settings;
    if (QFileInfo(path).size() == 0) return settings;
    const QStringList lines = textfile::readLines(path, 2);
    if (lines.size() > 0) settings.clientDirectory = lines[0];
    if (lines.size() > 1) settings.administrativeBase = lines[1];
    return settings;
}

bool saveSettings(const QString& path, const Settings& settings) {
    return textfile::writeLines(path, {settings.clientDirectory, settings.administrativeBase}).ok;
}
