#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "common/core/printfile/printfile.h"
#include "common/core/files/settingsfile.h"

// "Generar", as both programs and both windowless jobs run it: save the
// settings (the windows do), check them, build the path of the print file,
// generate, and say what came of it.
namespace generation {

// What a program's generation reports; its labels stay with the caller.
struct Generated {
    qint64 labelCount = 0;
    printfile::Status status = printfile::Status::Ok;
    QString warning;  // a notice about the labels built, or empty
};

// Reads the print file at the path into the caller's labels.
using Generate = std::function<Generated(const QString& printFile)>;

enum class Outcome { Generated, MissingSettings, UnreadablePrintFile };

struct Report {
    Outcome outcome = Outcome::Generated;
    QString printFile;  // the path tried, once the settings gave one
    qint64 labelCount = 0;
    QString status;       // what the status label shows afterwards
    QStringList notices;  // the messages for the user, in order
    // Why the settings could be saved nowhere, neither on drive C nor in
    // the user's own copy; empty when they were saved (or not asked to be).
    QString unsaved;
};

enum class SaveSettings { Yes, No };

Report run(const Settings& settings, SaveSettings save, const Generate& generate);

}  // namespace generation
