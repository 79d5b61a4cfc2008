#include "common/core/files/presets.h"

#include <QDir>

namespace presets {

namespace {

const QString kPresetGroup = QStringLiteral("predeterminado");
const QString kLockedGroup = QStringLiteral("bloqueado");

std::optional<QString> valueIn(const std::map<Key, QString>& values, Key key) {
    const auto found = values.find(key);
    if (found == values.end()) return std::nullopt;
    return found->second;
}

}  // namespace

QString nameOf(Key key) {
    switch (key) {
        case Key::Language: return QStringLiteral("idioma");
        case Key::Stock: return QStringLiteral("hoja");
        case Key::Design: return QStringLiteral("diseno");
        case Key::ClientDirectory: return QStringLiteral("directorio_cliente");
        case Key::AdministrativeBase: return QStringLiteral("base_administrativa");
        case Key::Printer: return QStringLiteral("impresora");
    }
    return {};
}

Presets Presets::readFrom(const std::vector<std::unique_ptr<QSettings>>& sources) {
    Presets presets;
    for (const std::unique_ptr<QSettings>& source : sources) {
        for (const Key key : kKeys) {
            const QString preset = source->value(kPresetGroup + u'/' + nameOf(key)).toString();
            const QString locked = source->value(kLockedGroup + u'/' + nameOf(key)).toString();
            if (!preset.trimmed().isEmpty()) presets.m_preset.try_emplace(key, preset.trimmed());
            if (!locked.trimmed().isEmpty()) presets.m_locked.try_emplace(key, locked.trimmed());
        }
    }
    return presets;
}

std::optional<QString> Presets::locked(Key key) const { return valueIn(m_locked, key); }

std::optional<QString> Presets::preset(Key key) const { return valueIn(m_preset, key); }

std::optional<QString> Presets::inForce(Key key, const std::optional<QString>& user) const {
    if (const auto value = locked(key)) return value;
    if (user) return user;
    return preset(key);
}

std::vector<std::unique_ptr<QSettings>> machineSources() {
    std::vector<std::unique_ptr<QSettings>> sources;
#ifdef Q_OS_WIN
    for (const char* key : {"HKEY_LOCAL_MACHINE\\Software\\Policies\\Etiquetas",
                            "HKEY_LOCAL_MACHINE\\Software\\Etiquetas"}) {
        sources.push_back(
            std::make_unique<QSettings>(QString::fromLatin1(key), QSettings::NativeFormat));
    }
    QString programData = qEnvironmentVariable("ProgramData");
    if (programData.isEmpty()) programData = QStringLiteral("C:/ProgramData");
    sources.push_back(std::make_unique<QSettings>(
        QDir(QDir::fromNativeSeparators(programData)).filePath(QStringLiteral("Etiquetas/etiquetas.ini")),
        QSettings::IniFormat));
#else
    sources.push_back(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::SystemScope,
                                                  QStringLiteral("Etiquetas"),
                                                  QStringLiteral("etiquetas")));
#endif
    return sources;
}

Presets& machine() {
    static Presets presets = Presets::readFrom(machineSources());
    return presets;
}

}  // namespace presets
