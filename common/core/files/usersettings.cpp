#include "common/core/files/usersettings.h"

namespace usersettings {

QSettings shared() { return ofProgram(QStringLiteral("etiquetas")); }

QSettings ofProgram(const QString& program) {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Etiquetas"),
                     program);
}

}  // namespace usersettings
