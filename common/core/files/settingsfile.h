#pragma once

#include <QString>

#include "common/core/files/textfile.h"

// The settings file "c:\ini.prn", shared by both programs: the client
// directory on line 1 and the administrative base on line 2, each as typed.
struct Settings {
    QString clientDirectory;     // txtDir
    QString administrativeBase;  // txtBase
};

// The load step, from the file a save of `path` lands in: the user's own copy
// when there is one, otherwise the file at `path`. A missing, empty or
// unreadable file (a folder of that name, say) leaves the values it does not
// give empty.
Settings loadSettings(const QString& path);

// Writes both values, each followed by CR LF, replacing the file whole (or
// the user's own copy of it, textfile::writeLines). Not ok when it could be
// written nowhere; the old file is then unchanged.
// The values in force: one the machine locked in place of the file's, and
// one it presets where the file gives none.
Settings withPresets(Settings fromFile);

textfile::WriteResult saveSettings(const QString& path, const Settings& settings);
