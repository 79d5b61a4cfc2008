// The print-file reader with fichas's generation (accent repair, wrapping),
// then the label walk.
#include <QBuffer>

#include "fullgeneration.h"
#include "fullwalk.h"
#include "fuzz_check.h"
#include "labellist.h"
#include "recordingsurface.h"

namespace {

// Every group of `list` holds `minLines` to `maxLines` lines, the first at
// most `first` characters long and the second at most `second`.
void checkGroups(const labellist::LabelList& list, qsizetype groups, int minLines, int maxLines, int first,
                 int second) {
    qsizetype seen = 0;
    int lines = 0;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QStringView entry = list[i];
        if (entry == labellist::kSeparator) {
            FUZZ_CHECK(lines >= minLines && lines <= maxLines);
            ++seen;
            lines = 0;
            continue;
        }
        if (lines == 0 && first > 0) FUZZ_CHECK(entry.size() <= first);
        if (lines == 1 && second > 0) FUZZ_CHECK(entry.size() <= second);
        ++lines;
    }
    FUZZ_CHECK(seen == groups);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    fichas::FullGeneration g = fichas::generateFullLabels(buffer);

    FUZZ_CHECK(g.status == printfile::Status::Ok);
    FUZZ_CHECK(g.lstClasify.last() == labellist::kEndMarker);
    FUZZ_CHECK(g.lstAutor.last() == labellist::kEndMarker);
    g.lstAutor.removeLast();
    checkGroups(g.lstAutor, fichas::groupCount(g.lstAutor), 1, 2, 40, 40);
    checkGroups(g.lstTitulo, fichas::groupCount(g.lstTitulo), 1, 2, 28, 36);
    checkGroups(g.lstBarras, fichas::groupCount(g.lstBarras), 1, 1, 0, 0);
    g.lstAutor.append(labellist::kEndMarker);
    FUZZ_CHECK(fichas::groupCount(g.lstClasify) == g.labelCount);
    // The repair never leaves half a character behind.
    for (qsizetype k = 0; k < g.lstTitulo.size(); ++k) {
        const QStringView line = g.lstTitulo[k];
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i].isHighSurrogate()) FUZZ_CHECK(i + 1 < line.size() && line[i + 1].isLowSurrogate());
        }
    }

    RecordingSurface surface;
    int contador = 0;
    fichas::printFullSheets(g, surface, contador);
    FUZZ_CHECK(surface.ended());
    FUZZ_CHECK(contador >= 0 && contador < 36);
    return 0;
}
