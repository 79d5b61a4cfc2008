#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "common/core/check/margincheck.h"
#include "common/core/correction/correction.h"
#include "common/core/sheets/stock.h"

class DrawingSurface;
class QPrinter;

// The printer the labels go to, chosen once by each user ("Impresora de
// etiquetas…" in lomos) and kept with their own values, for both programs.
// Windows makes the printer used last the default one, so a sheet of labels
// could otherwise come out of the office printer on plain paper. With none
// chosen, the labels go to the default printer.
namespace labelprinter {

// The name chosen, or empty for the default printer.
QString chosen();
// Keeps `name` as the user's choice; empty goes back to the default printer.
void choose(const QString& name);

// The printers there are now, by name.
QStringList available();
// --list-printers: a line each, the label printer and the default marked.
QStringList listing();

struct Target {
    std::unique_ptr<QPrinter> printer;  // the chosen printer, or the default one
    QString missing;                    // the chosen printer, when it is no longer there
};
// The printer for a job now.
Target open();

// The printer of that name, whatever is chosen; none when there is no such
// printer.
std::unique_ptr<QPrinter> openNamed(const QString& name);

// Where the labels will go, for the main window: "Impresora: PDF".
QString describe();

// The correction kept for the printer of that name (by this user), if any.
std::optional<correction::Affine> correctionFor(const QString& printerName);
// Keeps it; none removes it ("Quitar corrección").
void keepCorrection(const QString& printerName, const std::optional<correction::Affine>& map);
// The correction the last test sheet printed on that printer went through
// (none: it printed as it is). What is measured on that sheet is the error
// that correction left, whatever is kept by the time it is measured.
std::optional<correction::Affine> sheetCorrectionFor(const QString& printerName);
void keepSheetCorrection(const QString& printerName, const std::optional<correction::Affine>& map);
// How much the page turns on the printer of that name (0, 90, 180 or 270
// degrees clockwise): 0 until the user chooses, for a printer that feeds
// its labels turned.
int rotationFor(const QString& printerName);
void keepRotation(const QString& printerName, int degrees);
// The name of the printer a job goes to now.
QString currentName();

// What the user is told when the chosen printer is no longer there.
QString missingMessage(const QString& name);

// Makes the surface a job draws on from the printer it goes to, its page
// turned by `degrees`.
using SurfaceFactory =
    std::function<std::shared_ptr<DrawingSurface>(std::unique_ptr<QPrinter>, int degrees)>;

// Puts a stock's paper on the printer, turned by `degrees`; false when the
// printer keeps another page.
bool putPaper(QPrinter& printer, const Stock& stock, int degrees);

// What the printer prints of its page, in the job's positions: from the
// paper's corner on a stock (its page turned by `degrees`), from the
// printable area's on the program's own sheet.
margincheck::PrintableArea printableArea(const QPrinter& printer, const std::optional<Stock>& stock,
                                         int degrees);
// The label printer's, with a stock's paper on it: what the check before the
// preview holds the labels to.
margincheck::PrintableArea labelPrinterArea(const std::optional<Stock>& stock);
// What the label printer reaches of a stock's paper, where positions not
// saved yet start; none without a stock or without any printer.
std::optional<QRectF> labelPrinterReach(const std::optional<Stock>& stock);

// The printer a job goes to, through the correction kept for it.
struct JobPrinter {
    std::shared_ptr<DrawingSurface> surface;  // none: cancelled, or `refusal`
    QString name;
    std::optional<correction::Affine> correction;
    margincheck::PrintableArea area;
    QString refusal;  // why the job cannot go to this printer
};
// The job's printer once it is set up (by the printer dialog or by name):
// the stock's paper put back on it, since a dialog may hand back the
// driver's own; refused when the printer keeps another page or is not the
// one the administrator locked. The page turns as kept for the printer,
// unless `degrees` says otherwise (a test label, before it is kept).
JobPrinter prepare(std::unique_ptr<QPrinter> printer, const SurfaceFactory& makeSurface,
                   const std::optional<Stock>& stock, std::optional<int> degrees = {});

// What a job's positions are measured from: a stock's from the paper's
// corner, the program's own sheet's from the printable area's.
inline correction::Origin originOf(const std::optional<Stock>& stock) {
    return stock ? correction::Origin::Paper : correction::Origin::Area;
}

}  // namespace labelprinter
