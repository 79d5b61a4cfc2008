#include "common/core/walks/pageflow.h"

#include "common/core/text/messages.h"
#include "common/core/walks/surface.h"

PrintOutcome printPages(const LabelWalk& walk, DrawingSurface& surface, const FirstSheet& first) {
    PlaceCursor places(first);
    walk(
        surface,
        [](DrawingSurface& s) {
            s.newPage();
            return true;
        },
        places);
    const bool ended = surface.endDoc();
    if (ended && !surface.deviceFailed()) return {true, {}, places.sheet()};
    return {false, surface.error(), places.sheet()};
}

QString printOutcomeMessage(const PrintOutcome& outcome) {
    return outcome.printed ? messages::collectPrints() : messages::printFailed(outcome.reason);
}

int previewPages(const LabelWalk& walk, DrawingSurface& pages, const FirstSheet& first) {
    PlaceCursor places(first);
    int full = 0;
    walk(
        pages,
        [&full](DrawingSurface& s) {
            ++full;
            return s.newPage();
        },
        places);
    return full;
}

bool checkBeforePrinting(
    const labelcheck::Check& check, DrawingSurface& surface,
    const std::function<void(const QString&)>& tell,
    const std::function<bool(const std::vector<labelcheck::Finding>&)>& printAnyway) {
    const labelcheck::Result result = check(surface);
    if (result.labels == 0) {
        tell(messages::nothingToPrint());
        return false;
    }
    return result.findings.empty() || printAnyway(result.findings);
}
