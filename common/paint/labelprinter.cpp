#include "common/paint/labelprinter.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include "common/core/files/presets.h"
#include "common/core/files/usersettings.h"
#include "common/core/text/messages.h"
#include "common/paint/paintersurface.h"
#include "common/paint/pagesetup.h"

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
QString rotationKey(const QString& printerName) { return printerKey("rotacion", printerName); }

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

QStringList listing() {
    const QString label = chosen();
    const QString byDefault = QPrinterInfo::defaultPrinterName();
    QStringList lines;
    for (const QString& name : available()) {
        QStringList marks;
        if (name == label) marks << Text::tr("impresora de etiquetas");
        if (name == byDefault) marks << Text::tr("predeterminada");
        lines << (marks.isEmpty() ? name : name + u'\t' + marks.join(QStringLiteral(", ")));
    }
    return lines;
}

std::unique_ptr<QPrinter> openNamed(const QString& name) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
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

int rotationFor(const QString& printerName) {
    const int degrees = userSettings().value(rotationKey(printerName), 0).toInt();
    return pagesetup::isRotation(degrees) ? degrees : 0;
}

void keepRotation(const QString& printerName, int degrees) {
    QSettings settings = userSettings();
    if (degrees == 0) {
        settings.remove(rotationKey(printerName));
    } else {
        settings.setValue(rotationKey(printerName), degrees);
    }
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

bool putPaper(QPrinter& printer, const Stock& stock, int degrees) {
    return pagesetup::applyPage(printer, stock, degrees);
}

margincheck::PrintableArea printableArea(const QPrinter& printer, const std::optional<Stock>& stock,
                                         int degrees) {
    if (!stock) {
        // The program's own sheet is drawn from the printable area's corner.
        const QPointF corner = PrinterSurface::printableCornerCm(printer);
        const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter).size() / 10;
        const QRectF printable =
            pagesetup::printableOnPaperCm(printer.pageLayout(), 0).translated(-corner);
        return {QRectF(-corner, paper), printable};
    }
    return {QRectF(QPointF(0, 0), pagesetup::paperCmOf(printer.pageLayout(), degrees)),
            pagesetup::printableOnPaperCm(printer.pageLayout(), degrees)};
}

margincheck::PrintableArea labelPrinterArea(const std::optional<Stock>& stock) {
    Target target = open();
    const int degrees = rotationFor(target.printer->printerName());
    if (stock) putPaper(*target.printer, *stock, degrees);
    return printableArea(*target.printer, stock, degrees);
}

std::optional<QRectF> labelPrinterReach(const std::optional<Stock>& stock) {
    if (!stock || available().isEmpty()) return std::nullopt;
    return labelPrinterArea(stock).printableCm;
}

JobPrinter prepare(std::unique_ptr<QPrinter> printer, const SurfaceFactory& makeSurface,
                   const std::optional<Stock>& stock, std::optional<int> turn) {
    JobPrinter job;
    job.name = printer->printerName();
    const int degrees = stock ? turn.value_or(rotationFor(job.name)) : 0;
    if (const auto locked = presets::machine().locked(presets::Key::Printer);
        locked && job.name != *locked) {
        job.refusal = Text::tr("La impresora la fija el administrador: %1").arg(*locked);
        return job;
    }
    // Put back after the dialog, which may hand back the driver's own paper.
    if (stock && !putPaper(*printer, *stock, degrees)) {
        const QSizeF kept = printer->pageLayout().fullRect(QPageLayout::Millimeter).size();
        job.refusal =
            Text::tr("La impresora «%1» no acepta el papel de la hoja «%2» (%3 × %4 mm): "
                     "imprimiría en %5 × %6 mm. Elija en sus preferencias un papel de ese "
                     "tamaño, u otra impresora.")
                .arg(job.name, stock->name)
                .arg(QLocale().toString(stock->paperWidthMm, 'f', 1),
                     QLocale().toString(stock->paperHeightMm, 'f', 1),
                     QLocale().toString(kept.width(), 'f', 1),
                     QLocale().toString(kept.height(), 'f', 1));
        return job;
    }
    // The printer's own error, measured once, is taken out of every line.
    job.correction = correctionFor(job.name);
    job.area = printableArea(*printer, stock, degrees);
    const QPointF corner = PrinterSurface::printableCornerCm(*printer, degrees);
    job.surface = correction::corrected(makeSurface(std::move(printer), degrees), job.correction,
                                        corner.x(), corner.y(), originOf(stock));
    return job;
}

}  // namespace labelprinter
