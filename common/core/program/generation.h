#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "common/core/files/settingsfile.h"
#include "common/core/program/labelprogram.h"

// "Generar", as both programs and both windowless jobs run it: save the
// settings (the windows do), check them, build the path of the print file,
// generate, and say what came of it.
namespace generation {

enum class Outcome { Generated, MissingSettings, UnreadablePrintFile };

struct Report {
    Outcome outcome = Outcome::Generated;
    // What was made: none when the settings give no print file.
    std::shared_ptr<const GeneratedLabels> labels;
    QString printFile;  // the path tried, once the settings gave one
    qint64 labelCount = 0;
    QString status;       // what the status label shows afterwards
    QStringList notices;  // the messages for the user, in order
    // Why the settings could be saved nowhere, neither on drive C nor in
    // the user's own copy; empty when they were saved (or not asked to be).
    QString unsaved;
};

enum class SaveSettings { Yes, No };

// Makes the labels of the print file at a path.
using MakeLabels = std::function<std::unique_ptr<GeneratedLabels>(const QString& printFile)>;

Report run(const Settings& settings, SaveSettings save, const MakeLabels& generate);

}  // namespace generation
