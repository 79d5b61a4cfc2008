#pragma once

#include <QString>

// The settings file "c:\ini.prn", shared by both programs: the client
// directory on line 1 and the administrative base on line 2, each as typed.
struct Settings {
    QString clientDirectory;     // txtDir
    QString administrativeBase;  // txtBase
};

// True when the file system can report the attributes of the path; a folder
// counts as existing.
bool pathExists(const QString& path);

// The load step: a missing, empty or unreadable file leaves the values it
// does not give empty.
Settings loadSettings(const QString& path);

// Writes both values, each followed by CR LF, replacing the file whole.
// False when the file could not be written; the old file is then unchanged.
bool saveSettings(const QString& path, const Settings& settings);
