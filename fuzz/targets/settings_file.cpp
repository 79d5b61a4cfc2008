// The settings file reader: whatever the file holds, what it gives back
// saves and reads back the same.
#include <QFile>
#include <QTemporaryDir>

#include "common/core/settingsfile.h"
#include "common/core/textfile.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ini.prn"));
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const Settings first = loadSettings(path);
    FUZZ_CHECK(!first.clientDirectory.contains(u'\r') && !first.administrativeBase.contains(u'\r'));
    FUZZ_CHECK(saveSettings(path, first));
    const Settings again = loadSettings(path);
    FUZZ_CHECK(again.clientDirectory == first.clientDirectory);
    FUZZ_CHECK(again.administrativeBase == first.administrativeBase);
    return 0;
}
