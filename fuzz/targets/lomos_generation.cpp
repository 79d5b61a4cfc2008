// The print-file reader with lomos's generation, then the label walk.
#include <QBuffer>

#include "coordinates.h"
#include "fuzz_check.h"
#include "generation.h"
#include "labellist.h"
#include "recordingsurface.h"
#include "spinewalk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const SpineGeneration g = generateSpineLabels(buffer);

    FUZZ_CHECK(g.status == printfile::Status::Ok);
    FUZZ_CHECK(!g.lstClasify.isEmpty() && g.lstClasify.last() == labellist::kEndMarker);
    FUZZ_CHECK(g.lstClasify.count(labellist::kSeparator) == g.labelCount);
    int linesInLabel = 0;
    for (qsizetype i = 0; i + 1 < g.lstClasify.size(); ++i) {
        const QStringView entry = g.lstClasify[i];
        if (entry == labellist::kSeparator) {
            linesInLabel = 0;
            continue;
        }
        FUZZ_CHECK(!entry.contains(u' '));  // every blank ends a line
        FUZZ_CHECK(++linesInLabel <= 6);
    }

    RecordingSurface surface;
    int contador = 0;
    printSpineSheets(g.lstClasify, defaultCoordinateTable(), QStringLiteral("8"), surface, contador);
    int sheet = 1;
    for (const auto& line : surface.lines()) {
        FUZZ_CHECK(line.text.size() <= SpineWalk::kMaxLineLength);
        FUZZ_CHECK(line.sheet >= sheet);  // sheets only go forward
        sheet = line.sheet;
    }
    FUZZ_CHECK(surface.ended());
    FUZZ_CHECK(g.labelCount == 0 || surface.sheets() <= (g.labelCount + 32) / 33);
    return 0;
}
