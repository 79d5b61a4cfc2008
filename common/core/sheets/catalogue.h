#pragma once

#include <QString>
#include <QStringList>
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

// The folder the programs read: the one ETIQUETAS_CATALOGO names; on
// Windows "plantillas" beside the programs; elsewhere the package's.
QString folder();

// The products that `text` describes, in the catalogue's order: every word
// of it is in the brand, the product code or the description, or gives the
// label's size ("48,5 x 25,4", within half a millimetre).
std::vector<const Stock*> search(const Catalogue& catalogue, const QString& text);

}  // namespace catalogue
