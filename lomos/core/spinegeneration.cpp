#include "lomos/core/spinegeneration.h"

#include <algorithm>
#include <array>

#include "common/core/text/codepage.h"
#include "common/core/printfile/labellist.h"
#include "lomos/core/spinecut.h"
#include "lomos/core/spinewalk.h"

namespace lomos {

namespace {

constexpr std::string_view kCallNumberTag = "<z30-call-no>";

// Appends a call number's lines as `design` cuts them; whether parts were
// dropped.
bool appendCut(std::string_view callNumber, const design::Design& design,
               labellist::LabelList& out) {
    if (cutsAsAlways(design.spine)) return labellist::appendCallNumberLines(callNumber, out);
    const CallNumberCut cut = cutCallNumber(codepage::decode(callNumber), design.spine);
    for (const QString& line : cut.lines) out.append(line);
    return cut.dropped;
}

void closeLabel(SpineGeneration& result, bool dropped) {
    if (dropped) result.cutLabels.push_back(result.labelCount);
    ++result.labelCount;
    result.callNumberLines.appendSeparator();
}

// The labels of a print file, or of a part of one, without the end marker.
// `scan(tags, handler)` reads it.
template <class Scan>
SpineGeneration labelsOf(const Scan& scan, const design::Design& design) {
    SpineGeneration result;
    const std::array<std::string_view, 1> tags = {kCallNumberTag};
    result.status = scan(tags, [&](std::string_view line, std::span<const size_t> starts) {
        closeLabel(result,
                   appendCut(printfile::valueAt(line, starts[0]), design, result.callNumberLines));
    });
    return result;
}

// The labels of a design that takes lines from other tags: each call number
// of an item, with the lines its item's tags give.
SpineGeneration itemLabelsOf(QIODevice* device, const QString& path, const design::Design& design) {
    std::vector<std::string> tagTexts{std::string(kCallNumberTag)};
    const QStringList tagNames = design.spine.tags();
    for (const QString& name : tagNames) tagTexts.push_back("<" + name.toStdString() + ">");
    const std::vector<std::string_view> tags(tagTexts.begin(), tagTexts.end());

    SpineGeneration result;
    auto tagLines = [&](const printfile::Item& item, const std::vector<design::TagLine>& lines) {
        for (const design::TagLine& line : lines) {
            const auto& values = item[size_t(tagNames.indexOf(line.tag)) + 1];
            if (values.empty()) continue;  // the item has no such tag: no line
            std::string text;
            codepage::appendRepaired(values.front(), text);
            result.callNumberLines.append(
                tagLineText(QString::fromStdString(text), line, design));
        }
    };
    auto onItem = [&](const printfile::Item& item) {
        for (const std::string& callNumber : item[0]) {
            tagLines(item, design.spine.above);
            const bool dropped = appendCut(callNumber, design, result.callNumberLines);
            tagLines(item, design.spine.below);
            closeLabel(result, dropped);
        }
    };
    result.status = device ? printfile::scanItems(*device, tags, onItem)
                           : printfile::scanItems(path, tags, onItem);
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

SpineGeneration labelsOf(QIODevice& printFile, const design::Design& design) {
    if (!design.spine.tags().isEmpty()) return itemLabelsOf(&printFile, {}, design);
    return labelsOf([&](auto tags, auto onLine) { return printfile::scan(printFile, tags, onLine); },
                    design);
}

}  // namespace

SpineGeneration generateSpineLabels(const QString& printFilePath, const design::Design& design) {
    // The lines of an item's other tags need the item read whole, in one go.
    if (!design.spine.tags().isEmpty()) return ended(itemLabelsOf(nullptr, printFilePath, design));
    return ended(printfile::generateInParts<SpineGeneration>(
        printFilePath,
        [&design](const QString& path, printfile::Part part) {
            return labelsOf(
                [&](auto tags, auto onLine) { return printfile::scan(path, part, tags, onLine); },
                design);
        },
        join));
}

SpineGeneration generateSpineLabels(QIODevice& printFile, const design::Design& design) {
    return ended(labelsOf(printFile, design));
}

SpineGeneration joined(SpineGeneration generated, QIODevice& more, const design::Design& design) {
    generated.callNumberLines.removeLast();  // the end marker
    join(generated, labelsOf(more, design));
    return ended(std::move(generated));
}

SpineGeneration selectSpineLabels(const SpineGeneration& generated,
                                  const jobselection::Selection& selection) {
    const std::vector<qsizetype> starts = labellist::labelStarts(generated.callNumberLines);
    SpineGeneration job;
    for (const jobselection::Entry& entry : selection) {
        if (entry.label < 0 || entry.label >= qint64(starts.size())) continue;
        // An edited label prints the lines the user left, none of them cut;
        // the review kept them within the design's.
        const bool cut =
            !entry.edited &&
            std::binary_search(generated.cutLabels.begin(), generated.cutLabels.end(), entry.label);
        for (int copy = 0; copy < entry.copies; ++copy) {
            if (cut) job.cutLabels.push_back(job.labelCount);
            if (entry.edited) {
                for (const QString& line :
                     entry.edited->front().mid(0, kMaxSpineLines))
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
