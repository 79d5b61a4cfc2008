#include "lomos/core/coordinates.h"

#include <QStringList>

#include "common/core/files/drivec.h"
#include "common/core/text/number.h"

namespace lomos {

CoordinateTable defaultCoordinateTable() {
    // The sheets' row pitch is uneven: these are measured, not computed.
    static const std::array<const char*, kSpineSheet.rows> rowY = {
        "0", "2", "4.3", "7.1", "9.6", "12.28", "15", "17.5", "20.1", "22.9", "25.7"};
    static const std::array<const char*, kSpineSheet.columns> columnX = {"2.8", "9.2", "15.7"};
    CoordinateTable table;
    for (int p = 0; p < kSpineSheet.places(); ++p) {
        table.y[size_t(p)] = QString::fromLatin1(rowY[size_t(kSpineSheet.rowOf(p))]);
        table.x[size_t(p)] = QString::fromLatin1(columnX[size_t(kSpineSheet.columnOf(p))]);
    }
    return table;
}

CoordinateTable stockCoordinateTable(const Stock& stock, double insetMm,
                                     const std::optional<QRectF>& reachCm) {
    CoordinateTable table(stock.grid().places());
    // Centimetres as the coordinate file holds them, to a tenth of a mm.
    auto cm = [](double value) { return QString::number(value, 'f', 2); };
    for (int p = 0; p < table.positions(); ++p) {
        const QPointF corner = textCornerCm(stock, p, insetMm, reachCm);
        table.x[size_t(p)] = cm(corner.x());
        table.y[size_t(p)] = cm(corner.y());
    }
    return table;
}

QString coordinateFileOf(const std::optional<Stock>& stock) {
    if (!stock) return drivec::coordinateFile();
    QString name = stock->name;
    for (QChar& c : name) {
        if (QStringLiteral("\\/:*?\"<>|").contains(c) || c.unicode() < 32) c = u'_';
    }
    return drivec::path(QStringLiteral("cy ") + name + QStringLiteral(".txt"));
}

std::vector<testsheet::Position> testPositions(const CoordinateTable& table, LabelGrid grid) {
    std::vector<testsheet::Position> positions;
    for (int p = 0; p < table.positions(); ++p) {
        positions.push_back({p + 1, grid.rowOf(p), grid.columnOf(p),
                             parseNumber(table.x[size_t(p)]), parseNumber(table.y[size_t(p)])});
    }
    return positions;
}

CoordinateTable readCoordinateFile(const QString& path, int positions) {
    const QStringList lines = textfile::readLines(path, 2 * positions);
    CoordinateTable table(positions);
    QString holding;  // a line not read keeps the last one that was
    for (int i = 0; i < 2 * positions; ++i) {
        if (i < lines.size()) holding = lines[i];
        if (i < positions) {
            table.y[size_t(i)] = holding;
        } else {
            table.x[size_t(i - positions)] = holding;
        }
    }
    return table;
}

bool coordinatesSaved(const std::optional<Stock>& stock) {
    const QString path = coordinateFileOf(stock);
    return stock || textfile::isRegularFile(path) ||
           textfile::isRegularFile(textfile::userCopyOf(path));
}

CoordinateTable coordinatesOf(const std::optional<Stock>& stock,
                              const std::optional<QRectF>& reachCm) {
    const QString path = coordinateFileOf(stock);
    if (!stock) return readCoordinateFile(path);
    if (!textfile::isRegularFile(path) && !textfile::isRegularFile(textfile::userCopyOf(path)))
        return stockCoordinateTable(*stock, kDefaultInsetMm, reachCm);
    return readCoordinateFile(path, stock->grid().places());
}

textfile::WriteResult writeCoordinateFile(const QString& path, const CoordinateTable& table) {
    QStringList lines;
    lines.reserve(2 * table.positions());
    for (const QString& y : table.y) lines.append(y);
    for (const QString& x : table.x) lines.append(x);
    return textfile::writeLines(path, lines);
}

}  // namespace lomos
