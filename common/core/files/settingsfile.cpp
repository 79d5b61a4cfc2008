#include "common/core/files/settingsfile.h"

#include "common/core/files/presets.h"

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

Settings withPresets(Settings fromFile) {
    const presets::Presets& machine = presets::machine();
    auto inForce = [&](presets::Key key, QString& value) {
        std::optional<QString> own;
        if (!value.isEmpty()) own = value;
        value = machine.inForce(key, own).value_or(QString());
    };
    inForce(presets::Key::ClientDirectory, fromFile.clientDirectory);
    inForce(presets::Key::AdministrativeBase, fromFile.administrativeBase);
    return fromFile;
}
