#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "common/core/sheets/catalogue.h"
#include "common/core/sheets/stock.h"

// The sheets of labels the user typed ("Otra hoja…"), kept by name with the
// user's own values for both programs, and the sheet each program prints on,
// chosen once per user and program.
namespace stockchoice {

// The stocks the user typed, by name.
std::vector<Stock> typed();
// Keeps a stock the user typed, under its name. The reason in Spanish when
// it cannot be kept: no name, a catalogue product's name, labels that do not
// fit on the paper.
QString keepTyped(const Stock& stock, const catalogue::Catalogue& catalogue);

// The stock of that name: one the user typed, or else the catalogue's.
std::optional<Stock> find(const QString& name, const catalogue::Catalogue& catalogue);

// The sheet `program` prints on; none for its own. It is kept whole, so that
// it prints the same whatever the catalogue holds later.
std::optional<Stock> chosen(const QString& program);
void choose(const QString& program, const std::optional<Stock>& stock);

}  // namespace stockchoice
