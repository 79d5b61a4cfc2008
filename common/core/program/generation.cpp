#include "common/core/program/generation.h"

#include "common/core/files/drivec.h"
#include "common/core/text/messages.h"

namespace generation {

Report run(const Settings& settings, SaveSettings save, const Generate& generate) {
    Report report;
    // The labels are made from the values on screen all the same; the window
    // says that they will not be remembered.
    if (save == SaveSettings::Yes) {
        const textfile::WriteResult saved = saveSettings(drivec::settingsFile(), settings);
        if (!saved.ok) report.unsaved = messages::settingsNotSaved(saved);
    }
    if (settings.clientDirectory.isEmpty() || settings.administrativeBase.isEmpty()) {
        report.outcome = Outcome::MissingSettings;
        report.status = messages::kNoLabels;
        report.notices.append(messages::kMissingSettings);
        return report;
    }
    report.printFile = drivec::printFile(settings.clientDirectory, settings.administrativeBase);
    const Generated generated = generate(report.printFile);
    report.labelCount = generated.labelCount;
    report.status = messages::generated(generated.labelCount);
    if (!printfile::readable(generated.status)) {
        report.outcome = Outcome::UnreadablePrintFile;
        report.notices.append(messages::unreadablePrintFile(report.printFile));
    }
    if (!generated.warning.isEmpty()) report.notices.append(generated.warning);
    return report;
}

}  // namespace generation
