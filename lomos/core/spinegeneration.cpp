#include "lomos/core/spinegeneration.h"

#include <algorithm>
#include <array>

#include "common/core/text/codepage.h"
#include "common/core/printfile/labellist.h"
#include "lomos/core/spinewalk.h"

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

// `more`'s labels after those of `generation`, neither ended yet.
void join(SpineGeneration& generation, SpineGeneration&& more) {
    generation.callNumberLines.append(std::move(more.callNumberLines));
    for (qint64 label : more.cutLabels) generation.cutLabels.push_back(generation.labelCount + label);
    generation.labelCount += more.labelCount;
    if (!printfile::readable(more.status)) generation.status = more.status;
}

SpineGeneration labelsOf(QIODevice& printFile) {
    return labelsOf([&](auto tags, auto onLine) { return printfile::scan(printFile, tags, onLine); });
}

}  // namespace

SpineGeneration generateSpineLabels(const QString& printFilePath) {
    return ended(printfile::generateInParts<SpineGeneration>(
        printFilePath,
        [](const QString& path, printfile::Part part) {
            return labelsOf(
                [&](auto tags, auto onLine) { return printfile::scan(path, part, tags, onLine); });
        },
        join));
}

SpineGeneration generateSpineLabels(QIODevice& printFile) { return ended(labelsOf(printFile)); }

SpineGeneration joined(SpineGeneration generated, QIODevice& more) {
    generated.callNumberLines.removeLast();  // the end marker
    join(generated, labelsOf(more));
    return ended(std::move(generated));
}

SpineGeneration selectSpineLabels(const SpineGeneration& generated,
                                  const jobselection::Selection& selection) {
    const std::vector<qsizetype> starts = labellist::labelStarts(generated.callNumberLines);
    SpineGeneration job;
    for (const jobselection::Entry& entry : selection) {
        if (entry.label < 0 || entry.label >= qint64(starts.size())) continue;
        // An edited label prints the lines the user left, none of them cut.
        const bool cut =
            !entry.edited &&
            std::binary_search(generated.cutLabels.begin(), generated.cutLabels.end(), entry.label);
        for (int copy = 0; copy < entry.copies; ++copy) {
            if (cut) job.cutLabels.push_back(job.labelCount);
            if (entry.edited) {
                for (const QString& line :
                     entry.edited->front().mid(0, labellist::kMaxCallNumberLines))
                    job.callNumberLines.append(line);
                job.callNumberLines.appendSeparator();
            } else {
                labellist::appendLabel(generated.callNumberLines, starts[size_t(entry.label)],
                                       job.callNumberLines);
            }
            ++job.labelCount;
        }
    }
    return ended(std::move(job));
}

}  // namespace lomos
