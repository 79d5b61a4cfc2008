#include "common/ui/printing/labelprinter.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

#include "common/core/files/presets.h"
#include "common/core/files/usersettings.h"
#include "common/core/text/messages.h"
#include "common/paint/paintersurface.h"
#include "common/ui/boxes/dialogs.h"

namespace labelprinter {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(labelprinter)
};

const QString kKey = QStringLiteral("impresora/etiquetas");

// A key per printer; its name may hold what a key may not.
QString printerKey(const char* group, const QString& printerName) {
    return QLatin1String(group) + u'/' +
           QString::fromLatin1(printerName.toUtf8().toPercentEncoding());
}
QString correctionKey(const QString& printerName) { return printerKey("correccion", printerName); }
QString sheetKey(const QString& printerName) { return printerKey("hoja_de_prueba", printerName); }

// Shared by both programs: the label printer is the user's, not a program's.
QSettings userSettings() { return usersettings::shared(); }

}  // namespace

QString chosen() {
    const QSettings settings = userSettings();
    std::optional<QString> own;
    if (settings.contains(kKey)) own = settings.value(kKey).toString();
    return presets::machine().inForce(presets::Key::Printer, own).value_or(QString());
}

void choose(const QString& name) {
    // The system's default, chosen, is kept too, so that no preset replaces it.
    userSettings().setValue(kKey, name);
}

QStringList available() { return QPrinterInfo::availablePrinterNames(); }

bool askAndChoose(Dialogs& dialogs, QWidget* parent) {
    const QString defaultOne = Text::tr("La impresora predeterminada");
    const QString current = chosen();
    const QString picked = dialogs.pick(parent, Text::tr("Impresora de etiquetas"),
                                        Text::tr("Impresora a la que van las etiquetas:"),
                                        QStringList{defaultOne} + available(),
                                        current.isEmpty() ? defaultOne : current);
    if (picked.isEmpty()) return false;  // Cancel
    choose(picked == defaultOne ? QString() : picked);
    return true;
}

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

std::optional<correction::Affine> correctionFor(const QString& printerName) {
    if (printerName.isEmpty()) return std::nullopt;
    return correction::Affine::fromText(
        userSettings().value(correctionKey(printerName)).toString());
}

void keepCorrection(const QString& printerName, const std::optional<correction::Affine>& map) {
    QSettings settings = userSettings();
    if (map) {
        settings.setValue(correctionKey(printerName), map->toText());
    } else {
        settings.remove(correctionKey(printerName));
    }
}

std::optional<correction::Affine> sheetCorrectionFor(const QString& printerName) {
    return correction::Affine::fromText(userSettings().value(sheetKey(printerName)).toString());
}

void keepSheetCorrection(const QString& printerName, const std::optional<correction::Affine>& map) {
    userSettings().setValue(sheetKey(printerName), map ? map->toText() : QString());
}

QString currentName() {
    const QString name = chosen();
    if (!name.isEmpty() && !QPrinterInfo::printerInfo(name).isNull()) return name;
    return QPrinterInfo::defaultPrinterName();
}

QString describe() {
    const QString name = chosen();
    const bool corrected = correctionFor(currentName()).has_value();
    if (!name.isEmpty()) {
        if (QPrinterInfo::printerInfo(name).isNull())
            return Text::tr("Impresora: %1 (no está)").arg(name);
        return (corrected ? Text::tr("Impresora: %1, corregida") : Text::tr("Impresora: %1"))
            .arg(name);
    }
    const QString fallback = QPrinterInfo::defaultPrinterName();
    if (fallback.isEmpty()) return Text::tr("Impresora: no hay ninguna");
    return (corrected ? Text::tr("Impresora: %1 (predeterminada), corregida")
                      : Text::tr("Impresora: %1 (predeterminada)"))
        .arg(fallback);
}

QString missingMessage(const QString& name) {
    return Text::tr(
               "La impresora de etiquetas «%1» ya no está en este equipo: se imprime en la "
               "impresora predeterminada.\n\nPuede elegir otra en el menú, en "
               "\"Impresora de etiquetas…\".")
        .arg(name);
}

JobPrinter forJob(Dialogs& dialogs, QWidget* parent, bool askFirst,
                  const SurfaceFactory& makeSurface, const std::optional<Stock>& stock) {
    Target target = open();
    if (stock) target.printer->setPageSize(pageSizeOf(*stock));
    const correction::Origin origin = originOf(stock);
    if (!target.missing.isEmpty())
        dialogs.message(parent, messages::title(), missingMessage(target.missing));
    // Cancel cancels: printing after it would waste sheets of labels.
    if (askFirst && !dialogs.choosePrinter(parent, *target.printer)) return {};
    if (const auto locked = presets::machine().locked(presets::Key::Printer);
        locked && target.printer->printerName() != *locked) {
        dialogs.message(parent, messages::title(),
                        QCoreApplication::translate("labelprinter", "La impresora la fija el administrador: %1")
                            .arg(*locked));
        return {};
    }
    // The printer's own error, measured once, is taken out of every line.
    JobPrinter job;
    job.name = target.printer->printerName();
    job.correction = correctionFor(job.name);
    const QPointF corner = PrinterSurface::printableCornerCm(*target.printer);
    job.surface = correction::corrected(makeSurface(std::move(target.printer)), job.correction,
                                        corner.x(), corner.y(), origin);
    return job;
}

}  // namespace labelprinter
