#include "common/ui/labelprinter.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>

namespace labelprinter {
namespace {

const QString kKey = QStringLiteral("impresora/etiquetas");

QSettings userSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Etiquetas"),
                     QStringLiteral("etiquetas"));
}

}  // namespace

QString chosen() { return userSettings().value(kKey).toString(); }

void choose(const QString& name) {
    QSettings settings = userSettings();
    if (name.isEmpty()) {
        settings.remove(kKey);
    } else {
        settings.setValue(kKey, name);
    }
}

QStringList available() { return QPrinterInfo::availablePrinterNames(); }

Target open() {
    Target target;
    const QString name = chosen();
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!name.isEmpty()) {
        const QPrinterInfo wanted = QPrinterInfo::printerInfo(name);
        if (wanted.isNull()) {
            target.missing = name;
        } else {
            info = wanted;
        }
    }
    target.printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    return target;
}

QString describe() {
    const QString name = chosen();
    if (!name.isEmpty()) {
        return QPrinterInfo::printerInfo(name).isNull()
                   ? QStringLiteral("Impresora: %1 (no está)").arg(name)
                   : QStringLiteral("Impresora: %1").arg(name);
    }
    const QString fallback = QPrinterInfo::defaultPrinterName();
    return fallback.isEmpty() ? QStringLiteral("Impresora: no hay ninguna")
                              : QStringLiteral("Impresora: %1 (predeterminada)").arg(fallback);
}

QString missingMessage(const QString& name) {
    return QStringLiteral(
               "La impresora de etiquetas «%1» ya no está en este equipo: se imprime en la "
               "impresora predeterminada.\n\nPuede elegir otra en el menú, en "
               "\"Impresora de etiquetas…\".")
        .arg(name);
}

}  // namespace labelprinter
