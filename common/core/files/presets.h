#pragma once

#include <QSettings>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// What a machine's IT department sets for all its users: in the group
// "predeterminado" a value each user may change, in "bloqueado" one no user
// can. The value in force is a locked one, then the user's own, then a
// preset one, then the program's default; the command line comes before
// all of them where it may.
namespace presets {

enum class Key { Language, Stock, Design, ClientDirectory, AdministrativeBase, Printer };
inline constexpr Key kKeys[] = {Key::Language,        Key::Stock,
                                Key::Design,          Key::ClientDirectory,
                                Key::AdministrativeBase, Key::Printer};

// The key as the sources write it: "idioma", "hoja"...
QString nameOf(Key key);

class Presets {
public:
    // For each group and key, the first of `sources` that gives a value
    // that is not empty.
    static Presets readFrom(const std::vector<std::unique_ptr<QSettings>>& sources);

    std::optional<QString> locked(Key key) const;
    std::optional<QString> preset(Key key) const;
    bool isLocked(Key key) const { return locked(key).has_value(); }
    // The value in force for a user whose own choice is `user`.
    std::optional<QString> inForce(Key key, const std::optional<QString>& user) const;
    // Leaves out a value that cannot be used, as if no source gave it: the
    // locked one, or the preset one.
    void dropLocked(Key key) { m_locked.erase(key); }
    void dropPreset(Key key) { m_preset.erase(key); }

private:
    std::map<Key, QString> m_preset;
    std::map<Key, QString> m_locked;
};

// This machine's sources, in their order. On Windows the policy key
// HKLM\Software\Policies\Etiquetas, then HKLM\Software\Etiquetas, which the
// installer writes, then %ProgramData%\Etiquetas\etiquetas.ini; elsewhere
// Etiquetas/etiquetas.conf in each folder of XDG_CONFIG_DIRS.
std::vector<std::unique_ptr<QSettings>> machineSources();

// This machine's presets, read at the first call.
Presets& machine();

}  // namespace presets
