#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "common/core/correction/correction.h"
#include "common/core/sheets/stock.h"

class Dialogs;
class DrawingSurface;
class QPrinter;
class QWidget;

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
// "Impresora de etiquetas…": asks which; false when the user cancelled.
bool askAndChoose(Dialogs& dialogs, QWidget* parent);

// The printers there are now, by name.
QStringList available();

struct Target {
    std::unique_ptr<QPrinter> printer;  // the chosen printer, or the default one
    QString missing;                    // the chosen printer, when it is no longer there
};
// The printer for a job now.
Target open();

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
// The name of the printer a job goes to now.
QString currentName();

// What the user is told when the chosen printer is no longer there.
QString missingMessage(const QString& name);

// Makes the surface a job draws on from the printer it goes to.
using SurfaceFactory = std::function<std::shared_ptr<DrawingSurface>(std::unique_ptr<QPrinter>)>;

// The printer a job goes to, through the correction kept for it.
struct JobPrinter {
    std::shared_ptr<DrawingSurface> surface;  // none: the printer dialog was cancelled
    QString name;
    std::optional<correction::Affine> correction;
};
// The label printer for a job, after the printer dialog when `askFirst`;
// the user is told when the chosen one has gone. On a stock the job takes
// the stock's paper, and its positions are measured from the paper's corner.
JobPrinter forJob(Dialogs& dialogs, QWidget* parent, bool askFirst,
                  const SurfaceFactory& makeSurface, const std::optional<Stock>& stock);

// What a job's positions are measured from: a stock's from the paper's
// corner, the program's own sheet's from the printable area's.
inline correction::Origin originOf(const std::optional<Stock>& stock) {
    return stock ? correction::Origin::Paper : correction::Origin::Area;
}

}  // namespace labelprinter
