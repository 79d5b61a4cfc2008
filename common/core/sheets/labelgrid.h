#pragma once

// The labels of a sheet: rows of columns, the places numbered from 0 row by
// row, left to right, as the walks fill them.
struct LabelGrid {
    int rows;
    int columns;

    constexpr int places() const { return rows * columns; }
    constexpr int rowOf(int place) const { return place / columns; }
    constexpr int columnOf(int place) const { return place % columns; }
    constexpr int placeAt(int row, int column) const { return row * columns + column; }
    constexpr bool inLastRow(int place) const { return place + columns >= places(); }
    constexpr bool inLastColumn(int place) const { return columnOf(place) == columns - 1; }
};
