#pragma once

#include <QString>

// Drive C of the library's Windows machines. The programs keep their files at
// fixed places on it ("c:\ini.prn", "c:\cy.txt") and find the print file under
// the library client's folder there.
//
// It is the folder named by ETIQUETAS_UNIDAD_C when that is set and not
// empty; otherwise, on Windows, the real drive C, and elsewhere "C" under the
// user's shared data folder (~/.local/share/etiquetas/C), the same for both
// programs so that they share the settings file.
namespace drivec {

QString root();

// A path on drive C given as it would be written after "C:\". Backslashes and
// slashes both separate folders. A folder or file that does not exist with
// exactly that case is replaced by the one entry of its folder whose name
// matches ignoring case, as files copied from Windows often differ in case.
QString path(const QString& windowsRelative);

QString settingsFile();    // c:\ini.prn
QString coordinateFile();  // c:\cy.txt

// "C:\" + client directory + "\CATALOG\FILES\" + base + "\PRINT\itemlbl.prn"
QString printFile(const QString& clientDirectory, const QString& administrativeBase);

}  // namespace drivec
