#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "common/core/files/textfile.h"
#include "common/core/sheets/labelgrid.h"
#include "common/core/sheets/stock.h"
#include "common/core/walks/testsheet.h"

namespace lomos {

// The program's own sheet of spine labels: 33, in 11 rows of 3.
inline constexpr LabelGrid kSpineSheet{11, 3};

// Where the spine labels of a sheet land, position by position in the
// sheet's order. Entries are text as read or typed, in centimetres; they
// become numbers only when drawn. On the program's own sheet they are
// measured from the printable area's corner, as the coordinate file always
// held them; on a stock, from the paper's.
struct CoordinateTable {
    std::vector<QString> y;  // txt0 .. txt32
    std::vector<QString> x;  // txt0x .. txt32x

    explicit CoordinateTable(int positions = kSpineSheet.places())
        : y(size_t(positions)), x(size_t(positions)) {}
    int positions() const { return int(x.size()); }
    bool operator==(const CoordinateTable&) const = default;
};

// The table that "Inicializar Coordenadas" puts back on the program's own
// sheet.
CoordinateTable defaultCoordinateTable();

// A stock's table: every label's corner and `insetMm` into it, within what
// the printer reaches of the paper (`reachCm`).
CoordinateTable stockCoordinateTable(const Stock& stock, double insetMm,
                                     const std::optional<QRectF>& reachCm = {});
// The inset a stock's table starts with.
constexpr double kDefaultInsetMm = 2;
// The least inset: printers place the paper that much off.
constexpr double kMinInsetMm = 1;

// The coordinate file of the sheet: "c:\cy.txt" for the program's own,
// "c:\cy NAME.txt" for a stock (a name's characters no file name may hold
// become "_").
QString coordinateFileOf(const std::optional<Stock>& stock);

// Reads a coordinate file of `positions`: the Y entries, then the X entries.
// A missing file gives empty entries; in a short file, every entry after the
// last line takes that last line's text; lines after those are ignored.
CoordinateTable readCoordinateFile(const QString& path, int positions = kSpineSheet.places());

// The table printing uses for the sheet: its coordinate file, or for a stock
// without one the stock's own table, within `reachCm`.
CoordinateTable coordinatesOf(const std::optional<Stock>& stock,
                              const std::optional<QRectF>& reachCm = {});
// Whether the sheet has positions to print at: a stock always has its own;
// the program's own sheet once its coordinate file was saved.
bool coordinatesSaved(const std::optional<Stock>& stock);

// The positions for the test sheet.
std::vector<testsheet::Position> testPositions(const CoordinateTable& table, LabelGrid grid);

// Writes the entries, Y then X, each followed by CR LF, replacing the file
// whole.
textfile::WriteResult writeCoordinateFile(const QString& path, const CoordinateTable& table);

}  // namespace lomos
