#include "lomos/core/coordinates.h"

#include <QStringList>

#include "common/core/number.h"

namespace lomos {

CoordinateTable defaultCoordinateTable() {
    // The sheets' row pitch is uneven: these are measured, not computed.
    static const std::array<const char*, kSpineSheet.rows> rowY = {
        "0", "2", "4.3", "7.1", "9.6", "12.28", "15", "17.5", "20.1", "22.9", "25.7"};
    static const std::array<const char*, kSpineSheet.columns> columnX = {"2.8", "9.2", "15.7"};
    CoordinateTable table;
    for (int p = 0; p < kSpineSheet.places(); ++p) {
        table.y[p] = QString::fromLatin1(rowY[kSpineSheet.rowOf(p)]);
        table.x[p] = QString::fromLatin1(columnX[kSpineSheet.columnOf(p)]);
    }
    return table;
}

std::vector<testsheet::Position> testPositions(const CoordinateTable& table) {
    std::vector<testsheet::Position> positions;
    for (int p = 0; p < kSpineSheet.places(); ++p) {
        positions.push_back({p + 1, kSpineSheet.rowOf(p), kSpineSheet.columnOf(p),
                             parseNumber(table.x[p]), parseNumber(table.y[p])});
    }
    return positions;
}

CoordinateTable readCoordinateFile(const QString& path) {
    const QStringList lines = textfile::readLines(path, 2 * kSpineSheet.places());
    CoordinateTable table;
    QString holding;  // a line not read keeps the last one that was
    for (int i = 0; i < 2 * kSpineSheet.places(); ++i) {
        if (i < lines.size()) holding = lines[i];
        if (i < kSpineSheet.places()) {
            table.y[i] = holding;
        } else {
            table.x[i - kSpineSheet.places()] = holding;
        }
    }
    return table;
}

textfile::WriteResult writeCoordinateFile(const QString& path, const CoordinateTable& table) {
    QStringList lines;
    lines.reserve(2 * kSpineSheet.places());
    for (const QString& y : table.y) lines.append(y);
    for (const QString& x : table.x) lines.append(x);
    return textfile::writeLines(path, lines);
}

}  // namespace lomos
