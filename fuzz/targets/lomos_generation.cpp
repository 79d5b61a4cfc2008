// The print-file reader with lomos's generation, then the label walk.
#include <QBuffer>

#include "SOLO_CLASIF/core/generation.h"
#include "SOLO_CLASIF/core/spinewalk.h"
#include "common/core/recordingsurface.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const lomos::SpineGeneration g = lomos::generateSpineLabels(buffer);

    FUZZ_CHECK(g.status == printfile::Status::Ok);
    FUZZ_CHECK(g.lstClasify.last() == labellist::kEndMarker);
    // Every label holds at most six lines, none with a blank, and is closed.
    qint64 labels = 0;
    int linesInLabel = 0;
    for (qsizetype i = 0; i + 1 < g.lstClasify.size(); ++i) {
        if (g.lstClasify.isSeparator(i)) {
            ++labels;
            linesInLabel = 0;
            continue;
        }
        FUZZ_CHECK(!g.lstClasify.at(i).contains(u' '));
        FUZZ_CHECK(++linesInLabel <= 6);
    }
    FUZZ_CHECK(linesInLabel == 0 && labels == g.labelCount);

    RecordingSurface surface;
    printSheets(lomos::spineWalk(g.lstClasify, lomos::defaultCoordinateTable(), QStringLiteral("8"),
                                 lomos::kPrinterFace),
                surface);
    int sheet = 1;
    for (const auto& line : surface.lines()) {
        FUZZ_CHECK(line.text.size() <= lomos::kMaxLineLength);
        FUZZ_CHECK(line.sheet >= sheet);  // sheets only go forward
        sheet = line.sheet;
    }
    FUZZ_CHECK(surface.ended());
    FUZZ_CHECK(surface.sheets() <= (g.labelCount + 32) / 33);
    return 0;
}
