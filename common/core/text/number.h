#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// A coordinate or font size typed by a person: blanks around it are ignored,
// a period or a comma is the decimal separator ("12.28", " 9,5 ", "-1", "3.");
// anything else, an empty text included, is not a number.
std::optional<double> parseNumber(QStringView text);

// A count read as a number (columns, rows), as an int: past an int's range it
// stops at the range's end, where a plain cast is undefined; not a number is 0.
int toCount(double value);

// A measure as the staff read it (centimetres, millimetres, a percentage):
// two decimals after the language's separator ("9,20").
QString formatDecimal(double value);
// A measure to type again: to the hundredth, without the decimals it does
// not need ("8", "29,5", "48,26").
QString formatMeasure(double value);
