#include "common/core/generation.h"

#include "common/core/drivec.h"
#include "common/core/messages.h"

namespace generation {

Report run(const Settings& settings, SaveSettings save, const Generate& generate) {
    Report report;
    // A settings file that cannot be written is not reported: the labels
    // can still be made from the values on screen.
    if (save == SaveSettings::Yes) saveSettings(drivec::settingsFile(), settings);
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
