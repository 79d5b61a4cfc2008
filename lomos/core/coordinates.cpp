#include "lomos/core/coordinates.h"

#include <QStringList>

#include "common/core/number.h"

namespace lomos {

CoordinateTable defaultCoordinateTable() {
    // The sheets' row pitch is uneven: these are measured, not computed.
    static const std::array<const char*, CoordinateTable::kRows> rowY = {
        "0", "2", "4.3", "7.1", "9.6", "12.28", "15", "17.5", "20.1", "22.9", "25.7"};
    static const std::array<const char*, CoordinateTable::kColumns> columnX = {"2.8", "9.2",
                                                                               "15.7"};
    CoordinateTable table;
    for (int p = 0; p < CoordinateTable::kPositions; ++p) {
        table.y[p] = QString::fromLatin1(rowY[p / 3]);
        table.x[p] = QString::fromLatin1(columnX[p % 3]);
    }
    return table;
}

std::vector<testsheet::Position> testPositions(const CoordinateTable& table) {
    std::vector<testsheet::Position> positions;
    for (int p = 0; p < CoordinateTable::kPositions; ++p) {
        positions.push_back({p + 1, p / CoordinateTable::kColumns, p % CoordinateTable::kColumns,
                             parseNumber(table.x[p]), parseNumber(table.y[p])});
    }
    return positions;
}

CoordinateTable readCoordinateFile(const QString& path) {
    const textfile::ReadResult read = textfile::readLines(path, 2 * CoordinateTable::kPositions);
    CoordinateTable table;
    QString holding;  // a line not read keeps the last one that was
    for (int i = 0; i < 2 * CoordinateTable::kPositions; ++i) {
        if (i < read.lines.size()) holding = read.lines[i];
        if (i < CoordinateTable::kPositions) {
            table.y[i] = holding;
        } else {
            table.x[i - CoordinateTable::kPositions] = holding;
        }
    }
    return table;
}

textfile::WriteResult writeCoordinateFile(const QString& path, const CoordinateTable& table) {
    QStringList lines;
    lines.reserve(2 * CoordinateTable::kPositions);
    for (const QString& y : table.y) lines.append(y);
    for (const QString& x : table.x) lines.append(x);
    return textfile::writeLines(path, lines);
}

}  // namespace lomos
