#include "common/core/sheetflow.h"

#include "common/core/messages.h"
#include "common/core/surface.h"

PrintOutcome printSheets(const LabelWalk& walk, DrawingSurface& surface) {
    walk(surface, [](DrawingSurface& s) {
        s.newPage();
        return true;
    });
    const bool ended = surface.endDoc();
    if (ended && !surface.deviceFailed()) return {true, {}};
    return {false, surface.error()};
}

QString printOutcomeMessage(const PrintOutcome& outcome) {
    return outcome.printed ? messages::kCollectPrints : messages::printFailed(outcome.reason);
}

WalkEnd previewSheets(const LabelWalk& walk, DrawingSurface& picture,
                      const std::function<bool()>& askContinue) {
    return walk(picture, [&askContinue](DrawingSurface& s) {
        if (!askContinue()) return false;
        s.cls();
        return true;
    });
}
