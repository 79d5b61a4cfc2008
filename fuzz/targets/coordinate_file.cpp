// The coordinate file reader: what it reads writes and reads back the same,
// always 66 lines.
#include <QFile>
#include <QTemporaryDir>

#include "SOLO_CLASIF/core/coordinates.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cy.txt"));
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const lomos::CoordinateTable table = lomos::readCoordinateFile(path);
    FUZZ_CHECK(lomos::writeCoordinateFile(path, table).ok);
    QFile written(path);
    FUZZ_CHECK(written.open(QIODevice::ReadOnly));
    FUZZ_CHECK(written.readAll().count("\r\n") >= 66);
    written.close();
    FUZZ_CHECK(lomos::readCoordinateFile(path) == table);
    return 0;
}
