#pragma once

#include <QString>
#include <array>
#include <vector>

#include "common/core/sheetshape.h"
#include "common/core/testsheet.h"
#include "common/core/textfile.h"

namespace lomos {

// A sheet of spine labels: 33, in 11 rows of 3.
inline constexpr SheetShape kSpineSheet{11, 3};

// Where the spine labels of a sheet land, position by position in the
// sheet's order. Entries are text as read or typed, in centimetres; they
// become numbers only when drawn.
struct CoordinateTable {
    static constexpr int kPositions = kSpineSheet.places();

    std::array<QString, kPositions> y;  // txt0 .. txt32
    std::array<QString, kPositions> x;  // txt0x .. txt32x

    bool operator==(const CoordinateTable&) const = default;
};

// The table that "Inicializar Coordenadas" puts back.
CoordinateTable defaultCoordinateTable();

// Reads the coordinate file: 66 lines, the 33 Y entries then the 33 X
// entries. A missing file gives empty entries; in a short file, every entry
// after the last line takes that last line's text; lines after 66 are ignored.
CoordinateTable readCoordinateFile(const QString& path);

// The positions for the test sheet.
std::vector<testsheet::Position> testPositions(const CoordinateTable& table);

// Writes the 66 entries, each followed by CR LF, replacing the file whole.
textfile::WriteResult writeCoordinateFile(const QString& path, const CoordinateTable& table);

}  // namespace lomos
