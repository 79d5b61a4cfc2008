// The print-file reader with fichas's generation (accent repair, wrapping),
// then the label walk.
#include <QBuffer>

#include "fichas/core/fullgeneration.h"
#include "fichas/core/fullwalk.h"
#include "fuzz_check.h"
#include "recordingsurface.h"

namespace {

// Every group of the first `end` entries of `list` holds `minLines` to
// `maxLines` lines, the first at most `first` characters long and the second
// at most `second`; they end with a separator.
void checkGroups(const labellist::LabelList& list, qsizetype end, int minLines, int maxLines,
                 int first, int second) {
    int lines = 0;
    for (qsizetype i = 0; i < end; ++i) {
        const QString entry = list.at(i);
        if (list.isSeparator(i)) {
            FUZZ_CHECK(lines >= minLines && lines <= maxLines);
            lines = 0;
            continue;
        }
        if (lines == 0 && first > 0) FUZZ_CHECK(entry.size() <= first);
        if (lines == 1 && second > 0) FUZZ_CHECK(entry.size() <= second);
        ++lines;
    }
    FUZZ_CHECK(lines == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const fichas::FullGeneration g = fichas::generateFullLabels(buffer);

    FUZZ_CHECK(g.status == printfile::Status::Ok);
    const auto last = [](const labellist::LabelList& list) { return list.at(list.size() - 1); };
    FUZZ_CHECK(last(g.callNumberLines) == labellist::kEndMarker);
    FUZZ_CHECK(last(g.authorLines) == labellist::kEndMarker);
    // A value whose text is the separator's is a separator, as in any label
    // list: its label then has a group of no lines.
    if (!bytes.contains(labellist::kSeparator.toLatin1())) {
        checkGroups(g.authorLines, g.authorLines.size() - 1, 1, 2, 40, 40);
        checkGroups(g.titleLines, g.titleLines.size(), 1, 2, 28, 36);
        checkGroups(g.barcodes, g.barcodes.size(), 1, 1, 0, 0);
    }
    FUZZ_CHECK(g.callNumberLines.separatorCount() == g.labelCount);
    // The repair never leaves half a character behind.
    for (qsizetype k = 0; k < g.titleLines.size(); ++k) {
        const QString line = g.titleLines.at(k);
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i].isHighSurrogate())
                FUZZ_CHECK(i + 1 < line.size() && line[i + 1].isLowSurrogate());
        }
    }

    RecordingSurface surface;
    printPages(fichas::fullWalk(std::make_shared<const fichas::FullGeneration>(g),
                                fichas::printedPlaces()),
               surface, FirstSheet(fichas::kFullSheet.places()));
    FUZZ_CHECK(surface.ended());
    FUZZ_CHECK(surface.sheets() <= (g.labelCount + 35) / 36);
    return 0;
}
