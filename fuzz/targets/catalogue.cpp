// The catalogue reader over any file: what it takes can be printed, and it
// ends, whatever the file holds.
#include <QFile>
#include <QTemporaryDir>

#include "common/core/sheets/catalogue.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("x-templates.xml")));
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    const catalogue::Catalogue read = catalogue::read(folder.path());
    for (const Stock& stock : read.stocks) {
        FUZZ_CHECK(stock.problem().isEmpty());
        FUZZ_CHECK(read.find(stock.name) != nullptr);
    }
    return 0;
}
