#pragma once

#include <QSettings>
#include <QString>

// The user's own small settings, kept in the user's folder (on Windows under
// %APPDATA%\Etiquetas), never on drive C, whose files every user shares.
namespace usersettings {

// What both programs share: the label printer, its correction.
QSettings shared();
// What is a program's own: the places used on its first sheet.
QSettings ofProgram(const QString& program);

}  // namespace usersettings
