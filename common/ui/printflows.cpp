#include "common/ui/printflows.h"

#include "common/core/messages.h"
#include "common/ui/dialogs.h"
#include "common/ui/overridecursor.h"

PrintOutcome printAndTell(Dialogs& dialogs, QWidget* parent, const LabelWalk& walk,
                          DrawingSurface& surface, const FirstSheet& first) {
    PrintOutcome outcome;
    {
        const OverrideCursor wait;
        outcome = printSheets(walk, surface, first);
    }
    dialogs.message(parent, messages::kTitle, printOutcomeMessage(outcome));
    return outcome;
}

bool confirmLabels(Dialogs& dialogs, QWidget* parent, const labelcheck::Check& check,
                   DrawingSurface& surface,
                   const std::function<void(const std::vector<labelcheck::Finding>&)>& review) {
    const OverrideCursor wait;  // the boxes show the arrow
    return checkBeforePrinting(
        check, surface,
        [&](const QString& text) { dialogs.message(parent, messages::kTitle, text); },
        [&](const std::vector<labelcheck::Finding>& findings) {
            QStringList buttons{messages::kPrintAnyway, messages::kCancel};
            if (review) buttons.insert(1, messages::kReview);
            const QString pressed = buttons.value(dialogs.choose(
                parent, messages::kTitle, labelcheck::findingsMessage(findings), buttons));
            if (pressed == messages::kReview) review(findings);
            return pressed == messages::kPrintAnyway;
        });
}
