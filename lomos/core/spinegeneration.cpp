#include "lomos/core/spinegeneration.h"

#include <array>

#include "common/core/codepage.h"
#include "common/core/labellist.h"

namespace lomos {

namespace {

constexpr std::string_view kCallNumberTag = "<z30-call-no>";

// The labels of a print file, or of a part of one, without the end marker.
// `scan(tags, handler)` reads it.
template <class Scan>
SpineGeneration labelsOf(const Scan& scan) {
    SpineGeneration result;
    const std::array<std::string_view, 1> tags = {kCallNumberTag};
    result.status = scan(tags, [&result](std::string_view line, std::span<const size_t> starts) {
        if (labellist::appendCallNumberLines(printfile::valueAt(line, starts[0]),
                                             result.callNumberLines)) {
            result.cutLabels.push_back(result.labelCount);
        }
        ++result.labelCount;
        result.callNumberLines.appendSeparator();
    });
    return result;
}

SpineGeneration ended(SpineGeneration generation) {
    generation.callNumberLines.append(labellist::kEndMarker);
    return generation;
}

}  // namespace

SpineGeneration generateSpineLabels(const QString& printFilePath) {
    return ended(printfile::generateInParts<SpineGeneration>(
        printFilePath,
        [](const QString& path, printfile::Part part) {
            return labelsOf(
                [&](auto tags, auto onLine) { return printfile::scan(path, part, tags, onLine); });
        },
        [](SpineGeneration& generation, SpineGeneration&& more) {
            generation.callNumberLines.append(std::move(more.callNumberLines));
            for (qint64 label : more.cutLabels) {
                generation.cutLabels.push_back(generation.labelCount + label);
            }
            generation.labelCount += more.labelCount;
            generation.status = more.status;
        }));
}

SpineGeneration generateSpineLabels(QIODevice& printFile) {
    return ended(
        labelsOf([&](auto tags, auto onLine) { return printfile::scan(printFile, tags, onLine); }));
}

}  // namespace lomos
