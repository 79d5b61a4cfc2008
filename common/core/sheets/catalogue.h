#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "common/core/sheets/stock.h"

// The catalogue of label sheets: the templates of the label-sheet catalogue
// package (XML, one file per maker and region), of which the programs take
// the rectangular labels laid out in one grid.
namespace catalogue {

struct Catalogue {
    std::vector<Stock> stocks;  // by name
    // Products the programs cannot print, by why: round or oval labels, CDs,
    // labels laid out in several grids, layouts no sheet has.
    int skippedShapes = 0;
    int skippedLayouts = 0;
    int skippedInvalid = 0;
    QStringList notes;  // files and products skipped, and why, in Spanish

    // The product of that name ("Herma 4102"), ignoring case; none when
    // there is no such product.
    const Stock* find(const QString& name) const;
    int skipped() const { return skippedShapes + skippedLayouts + skippedInvalid; }
};

// Reads every "*-templates.xml" of `folder`, with the paper sizes of its
// "paper-sizes.xml". A file that is not the catalogue's XML, is cut short or
// holds what no sheet has is noted and skipped, wholly or from where it
// breaks; reading never stops the program.
Catalogue read(const QString& folder);

// A length as the catalogue writes it, in millimetres: a number and its
// unit (pt, in, mm, cm, pc, in any case), points when it has none. Nothing
// when it cannot be read.
std::optional<double> millimetres(QString text);

// The folder the programs read: the one ETIQUETAS_CATALOGO names; on
// Windows "plantillas" beside the programs; elsewhere the package's.
QString folder();

// A sheet a search found: a product of the catalogue, or one the user typed.
struct Found {
    const Stock* stock;
    bool typed;
};

// The sheets that `text` describes, the user's own first, then the
// catalogue's products in its order: every word of it is in the name
// (brand and product code) or the description, and a size in it ("48,5 x
// 25,4") is the label's, within half a millimetre. They point into `typed`
// and `catalogue`.
std::vector<Found> search(const Catalogue& catalogue, const std::vector<Stock>& typed,
                          const QString& text);

}  // namespace catalogue
