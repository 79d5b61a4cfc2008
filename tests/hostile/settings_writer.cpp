// Saves the settings file again and again with one pair of values, for the
// test of two programs saving at once: settings_writer DRIVE_C LETTER COUNT.
#include <QCoreApplication>

#include "common/core/drivec.h"
#include "common/core/settingsfile.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) return 2;
    qputenv("ETIQUETAS_UNIDAD_C", argv[1]);
    const QChar letter = QChar::fromLatin1(argv[2][0]);
    const int count = QString::fromLatin1(argv[3]).toInt();
    // Long values, so that a file mixed from two saves could not pass for one.
    const Settings settings{QString(4000, letter), QString(4000, letter.toLower())};
    int failed = 0;
    for (int i = 0; i < count; ++i) {
        if (!saveSettings(drivec::settingsFile(), settings).ok) ++failed;
    }
    return failed == 0 ? 0 : 1;
}
