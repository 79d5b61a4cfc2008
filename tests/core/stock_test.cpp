// Label stocks: where a stock's labels stand, the sheets typed by hand that
// are refused, and the catalogue as the package holds it and as no package
// should: whatever a file holds, it is read or skipped with a note.
#include <gtest/gtest.h>

#include <QDir>

#include "common/core/sheets/catalogue.h"
#include "common/core/sheets/stockchoice.h"
#include "fichas/core/fullcheck.h"
#include "fichas/core/fullgeneration.h"
#include "fichas/core/fullwalk.h"
#include "lomos/core/coordinates.h"
#include "lomos/core/spinecheck.h"
#include "lomos/core/spinewalk.h"
#include "recordingsurface.h"
#include "testenv.h"

namespace {

// A4, 2 columns and 3 rows of 50 x 20 mm labels.
Stock sheet(double left, double top, double pitchX, double pitchY) {
    return {.name = "Prueba",
            .paperWidthMm = 210,
            .paperHeightMm = 297,
            .labelWidthMm = 50,
            .labelHeightMm = 20,
            .columns = 2,
            .rows = 3,
            .leftMm = left,
            .topMm = top,
            .pitchXMm = pitchX,
            .pitchYMm = pitchY};
}

// That sheet, named and changed by `change`.
template <class Change>
Stock sheetOf(const char* name, Change change) {
    Stock stock = sheet(0, 0, 50, 20);
    stock.name = QString::fromUtf8(name);
    change(stock);
    return stock;
}

}  // namespace

struct StockPlacesCase {
    const char* name;
    Stock stock;
    std::array<double, 4> place5;  // label 5's corner (cm), then lomos's and fichas's text
};
class StockPlaces : public testing::TestWithParam<StockPlacesCase> {};
TEST_P(StockPlaces, RowByRowFromTheLayout) {
    const Stock& s = GetParam().stock;
    const auto& [left, top, spineX, fullX] = GetParam().place5;  // place 5: row 2, column 1
    EXPECT_DOUBLE_EQ(s.labelLeftCm(4), left);
    EXPECT_DOUBLE_EQ(s.labelTopCm(4), top);
    EXPECT_EQ(lomos::stockCoordinateTable(s, 2.5).x[4], QString::number(spineX, 'f', 2));
    EXPECT_DOUBLE_EQ(fichas::stockPlaces(s).x[4], fullX);
    EXPECT_TRUE(s.problem().isEmpty()) << s.problem().toStdString();
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Stock, StockPlaces, testing::Values(
    StockPlacesCase{"margins_and_pitch_the_label", sheet(8, 12, 50, 20), {0.8, 5.2, 1.05, 0.95}},
    StockPlacesCase{"no_margins", sheet(0, 0, 50, 20), {0, 4, 0.25, 0.15}},
    StockPlacesCase{"gaps_uneven_across_and_down", sheet(5, 10, 60, 25), {0.5, 6, 0.75, 0.65}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct TypedStockCase {
    const char* name;
    Stock stock;
    const char* problem;
};
class TypedStockRefused : public testing::TestWithParam<TypedStockCase> {};
TEST_P(TypedStockRefused, WithItsReason) {
    TempDriveC c;
    catalogue::Catalogue products;
    products.stocks.push_back(sheet(0, 0, 50, 20));
    products.stocks.back().name = QStringLiteral("Herma 4102");
    const QString problem = stockchoice::keepTyped(GetParam().stock, products);
    EXPECT_TRUE(problem.startsWith(QString::fromUtf8(GetParam().problem))) << problem.toStdString();
    EXPECT_TRUE(stockchoice::typed().empty());
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Stock, TypedStockRefused, testing::Values(
    TypedStockCase{"no_rows", sheetOf("A", [](Stock& s) { s.rows = 0; }), "Hace falta al menos una columna y una fila."},
    TypedStockCase{"past_the_paper", sheetOf("A", [](Stock& s) { s.columns = 5; }), "Las etiquetas no caben en el papel: la última columna acaba a 250,00 mm"},
    TypedStockCase{"two_mm_past_the_paper", sheetOf("A", [](Stock& s) { s.leftMm = 112; }), "Las etiquetas no caben en el papel: la última columna acaba a 212,00 mm"},
    TypedStockCase{"overlapping", sheetOf("A", [](Stock& s) { s.pitchXMm = 0; }), "De una etiqueta a la siguiente hay 0,00 mm, menos que su ancho"},
    TypedStockCase{"no_name", sheetOf(" ", [](Stock&) {}), "Escriba un nombre"},
    TypedStockCase{"a_products_name", sheetOf("herma 4102", [](Stock&) {}), "«herma 4102» es un producto del catálogo"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Stock, ATypedStockIsKeptAndFoundAgainBeforeTheCatalogue) {
    TempDriveC c;
    const catalogue::Catalogue none;
    ASSERT_TRUE(stockchoice::keepTyped(sheet(8, 12, 50, 20), none).isEmpty());
    EXPECT_EQ(stockchoice::find(" prueba", none), sheet(8, 12, 50, 20));
    stockchoice::choose("lomos", sheet(8, 12, 50, 20));
    EXPECT_EQ(stockchoice::chosen("lomos"), sheet(8, 12, 50, 20));
    EXPECT_EQ(stockchoice::chosen("fichas"), std::nullopt);  // each program its own
}

TEST(Catalogue, ThePackagesProductsTheirTwinsAndASearch) {
    if (!QDir(QStringLiteral(CATALOGUE_DIR)).exists())
        GTEST_SKIP() << "the catalogue package (glabels-data) is not installed";
    const catalogue::Catalogue c = catalogue::read(QStringLiteral(CATALOGUE_DIR));
    EXPECT_GT(c.stocks.size(), 1000u);
    EXPECT_GT(c.skippedShapes, 0);
    const Stock* herma = c.find("herma 4102");
    ASSERT_TRUE(herma);
    EXPECT_EQ(herma->grid().places(), 44);
    EXPECT_NEAR(herma->labelWidthMm, 48.30, 0.01);
    EXPECT_NEAR(herma->leftMm, 8.50, 0.01);
    Stock twin = *c.find("Herma 4109");  // equiv="4102"
    twin.name = herma->name;
    EXPECT_EQ(twin, *herma);
    EXPECT_EQ(catalogue::search(c, {}, "herma 4102").size(), 1u);
    // A sheet of the user's own is found by its size too, and marked.
    const std::vector<Stock> typed = {sheetOf("Mía", [](Stock& s) {
        s.labelWidthMm = 48.5;
        s.labelHeightMm = 25.4;
    })};
    const auto bySize = catalogue::search(c, typed, QStringLiteral("48,5 x 25,4"));
    ASSERT_FALSE(bySize.empty());
    EXPECT_TRUE(bySize[0].typed && bySize[0].stock->name == "Mía");
    EXPECT_TRUE(std::any_of(bySize.begin(), bySize.end(), [](const catalogue::Found& f) {
        return f.stock->name == "Herma 4102" && !f.typed;
    }));
    EXPECT_TRUE(std::all_of(bySize.begin(), bySize.end(), [](const catalogue::Found& f) {
        return std::abs(f.stock->labelHeightMm - 25.4) <= 0.5;  // not Herma 4271, 48.3 x 16.9
    }));
}

// The check judges the text against the stock's own label, 5 cm wide here:
// 26 characters at 14 points are 6.4 cm; a full label's title runs past 1 cm.
TEST(Stock, TheCheckMeasuresAgainstTheStocksLabel) {
    const Stock wide = sheet(0, 0, 50, 20);
    const Stock low = sheetOf("Baja", [](Stock& s) { s.labelHeightMm = s.pitchYMm = 10; });
    RecordingSurface surface;
    const auto spine = lomos::checkSpineLabels(
        labelList({QString(26, u'B'), labellist::kSeparator, labellist::kEndMarker}), {},
        lomos::stockCoordinateTable(wide, 2), "14", {lomos::kPrinterFace}, FirstSheet(6), surface,
        &wide);
    ASSERT_EQ(spine.findings.size(), 1u);
    EXPECT_TRUE(spine.findings[0].problem.endsWith("hasta el borde de la etiqueta hay 4,80 cm"))
        << spine.findings[0].problem.toStdString();
    TempDriveC c;
    c.write("f.prn", printFileWithFullItems(1));
    const auto full = fichas::checkFullLabels(fichas::generateFullLabels(c.file("f.prn")),
                                              fichas::stockPlaces(low), {}, FirstSheet(6), surface);
    ASSERT_EQ(full.findings.size(), 1u);
    EXPECT_EQ(full.findings[0].problem, QStringLiteral("se sale de la etiqueta por abajo"));
}

// A catalogue file as no package ships it: read up to where it breaks, or
// skipped, with a note; never a hang or a crash.
struct CatalogueFileCase {
    const char* name;
    QByteArray templates;  // between <Glabels-templates> and its end, or a whole file
    const char* read;      // the products read, by name
    const char* note;      // how the note starts
};
class HostileCatalogue : public testing::TestWithParam<CatalogueFileCase> {};
TEST_P(HostileCatalogue, IsSkippedWithANote) {
    TempDriveC c;
    const QByteArray good =
        "<Template brand=\"B\" part=\"1\" size=\"A4\"><Label-rectangle id=\"0\" width=\"50mm\" "
        "height=\"20mm\"><Layout nx=\"2\" ny=\"3\" x0=\"0\" y0=\"0\" dx=\"50mm\" "
        "dy=\"20mm\"/></Label-rectangle></Template>";
    const QByteArray& t = GetParam().templates;
    c.write("x-templates.xml",
            t.startsWith("<?xml") ? t : "<Glabels-templates>" + good + t + "</Glabels-templates>");
    const catalogue::Catalogue read = catalogue::read(c.root());
    QStringList names;
    for (const Stock& s : read.stocks) names << s.name;
    EXPECT_EQ(names.join(u','), QString::fromUtf8(GetParam().read));
    EXPECT_TRUE(read.notes.value(0).startsWith(QString::fromUtf8(GetParam().note)))
        << read.notes.join(u'\n').toStdString();
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Catalogue, HostileCatalogue, testing::Values(
    CatalogueFileCase{"cut_short", "<Template brand=\"B\" part=\"2\" size=\"A4\"><Label-rect", "B 1", "x-templates.xml: se deja de leer en la línea 1"},
    CatalogueFileCase{"entity_bomb", "<?xml version=\"1.0\"?><!DOCTYPE Glabels-templates [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]><Glabels-templates><Template brand=\"&d;\" part=\"1\"/></Glabels-templates>", "", "x-templates.xml: se deja de leer"},
    CatalogueFileCase{"absurd_size", "<Template brand=\"B\" part=\"2\" size=\"A4\"><Label-rectangle id=\"0\" width=\"1e9\" height=\"20mm\"><Layout nx=\"1\" ny=\"1\"/></Label-rectangle></Template>", "B 1", "B 2: El papel y las etiquetas deben medir"},
    CatalogueFileCase{"pitch_below_zero", "<Template brand=\"B\" part=\"2\" size=\"A4\"><Label-rectangle id=\"0\" width=\"50mm\" height=\"20mm\"><Layout nx=\"2\" ny=\"1\" dx=\"-50mm\"/></Label-rectangle></Template>", "B 1", "B 2: Los márgenes y las distancias no pueden ser negativos."},
    CatalogueFileCase{"a_million_labels", "<Template brand=\"B\" part=\"2\" size=\"A4\"><Label-rectangle id=\"0\" width=\"1pt\" height=\"1pt\"><Layout nx=\"1000\" ny=\"1000\" dx=\"1pt\" dy=\"1pt\"/></Label-rectangle></Template>", "B 1", "B 2: 1000000 etiquetas en una hoja son demasiadas"},
    CatalogueFileCase{"length_unreadable", "<Template brand=\"B\" part=\"2\" size=\"A4\"><Label-rectangle id=\"0\" width=\"50mm\" height=\"20mm\"><Layout nx=\"2\" ny=\"1\" x0=\"1,5mm\"/></Label-rectangle></Template>", "B 1", "B 2: no se puede leer la medida x0=\"1,5mm\""},
    CatalogueFileCase{"twin_of_nothing", "<Template brand=\"B\" part=\"2\" equiv=\"9\"/>", "B 1", "B 2: es igual a B 9, que no está"},
    CatalogueFileCase{"not_the_catalogue", "<?xml version=\"1.0\"?><html/>", "", "x-templates.xml: no es un archivo de plantillas"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A length as the format writes it: a number and its unit, in any case;
// points without one.
struct LengthCase {
    const char* name;
    const char* text;
    std::optional<double> mm;
};
class CatalogueLength : public testing::TestWithParam<LengthCase> {};
TEST_P(CatalogueLength, InMillimetres) {
    const std::optional<double> mm = catalogue::millimetres(QString::fromUtf8(GetParam().text));
    ASSERT_EQ(mm.has_value(), GetParam().mm.has_value());
    if (mm) EXPECT_NEAR(*mm, *GetParam().mm, 1e-9);
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueLength, testing::Values(
    LengthCase{"points_without_a_unit", "72", 25.4},
    LengthCase{"points", "36pt", 12.7},
    LengthCase{"inches", "0.5in", 12.7},
    LengthCase{"centimetres", "2.54cm", 25.4},
    LengthCase{"millimetres", " 25.4 mm ", 25.4},
    LengthCase{"picas", "6pc", 25.4},
    LengthCase{"unit_in_capitals", "1IN", 25.4},
    LengthCase{"unreadable", "1,5mm", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A layout that does not give its columns or its rows has one of each, as
// the format reads it.
TEST(Catalogue, ALayoutWithoutCountsIsOneLabel) {
    TempDriveC c;
    c.write("x-templates.xml",
            "<Glabels-templates><Template brand=\"B\" part=\"1\" size=\"A4\"><Label-rectangle "
            "id=\"0\" width=\"70mm\" height=\"30mm\"><Layout x0=\"10mm\" y0=\"20mm\"/>"
            "</Label-rectangle></Template></Glabels-templates>");
    const catalogue::Catalogue read = catalogue::read(c.root());
    ASSERT_EQ(read.stocks.size(), 1u);
    EXPECT_EQ(read.stocks[0].grid().places(), 1);
    EXPECT_DOUBLE_EQ(read.stocks[0].topMm, 20);
}

TEST(Catalogue, RoundLabelsAndSeveralLayoutsAreCountedAsSkipped) {
    TempDriveC c;
    c.write("x-templates.xml",
            "<Glabels-templates><Template brand=\"B\" part=\"1\" size=\"A4\"><Label-round "
            "id=\"0\" radius=\"10mm\"><Layout nx=\"2\" ny=\"2\"/></Label-round></Template>"
            "<Template brand=\"B\" part=\"2\" size=\"A4\"><Label-rectangle id=\"0\" width=\"5mm\" "
            "height=\"5mm\"><Layout nx=\"1\" ny=\"1\"/><Layout nx=\"1\" ny=\"1\" x0=\"9mm\"/>"
            "</Label-rectangle></Template><Template brand=\"B\" part=\"3\" equiv=\"1\"/>"
            "</Glabels-templates>");
    const catalogue::Catalogue read = catalogue::read(c.root());
    EXPECT_TRUE(read.stocks.empty());
    EXPECT_EQ(read.skippedShapes, 2);  // the round one and its twin
    EXPECT_EQ(read.skippedLayouts, 1);
}
