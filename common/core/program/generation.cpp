#include "common/core/program/generation.h"

#include "common/core/files/drivec.h"
#include "common/core/text/messages.h"

namespace generation {

Report run(const Settings& settings, SaveSettings save, const MakeLabels& generate) {
    Report report;
    // The labels are made from the values on screen all the same; the window
    // says that they will not be remembered.
    if (save == SaveSettings::Yes) {
        const textfile::WriteResult saved = saveSettings(drivec::settingsFile(), settings);
        if (!saved.ok) report.unsaved = messages::settingsNotSaved(saved);
    }
    if (settings.clientDirectory.isEmpty() || settings.administrativeBase.isEmpty()) {
        report.outcome = Outcome::MissingSettings;
        report.status = messages::noLabels();
        report.notices.append(messages::missingSettings());
        return report;
    }
    report.printFile = drivec::printFile(settings.clientDirectory, settings.administrativeBase);
    report.labels = generate(report.printFile);
    const GeneratedLabels::Summary made = report.labels->summary();
    report.labelCount = made.labelCount;
    report.status = messages::generated(made.labelCount);
    if (!printfile::readable(made.status)) {
        report.outcome = Outcome::UnreadablePrintFile;
        report.notices.append(messages::unreadablePrintFile(report.printFile));
    }
    if (!made.warning.isEmpty()) report.notices.append(made.warning);
    return report;
}

}  // namespace generation
