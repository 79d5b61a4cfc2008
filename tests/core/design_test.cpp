// A library's own label: the design file read or refused, call numbers cut
// as a design says, lines from the item's other tags, and where the walk
// places the lines of a spine label in its label.
#include <gtest/gtest.h>

#include "common/core/design/design.h"
#include "lomos/core/spinecheck.h"
#include "lomos/core/spinecut.h"
#include "lomos/core/spinegeneration.h"
#include "lomos/core/spinewalk.h"
#include "recordingsurface.h"
#include "testenv.h"

using namespace lomos;

namespace {

design::Design designOf(const char* text) {
    const design::Read read = design::readText(QByteArray("[tejuelo]\n") + text);
    EXPECT_TRUE(read.design) << read.problem.toStdString();
    return read.design.value_or(design::Design());
}

}  // namespace

struct CutCase {
    const char* name;
    const char* design;  // [tejuelo]'s keys
    const char* callNumber;
    QStringList lines;
    bool dropped;
};
class Cuts : public testing::TestWithParam<CutCase> {};
TEST_P(Cuts, LinesOfACallNumber) {
    const CutCase& c = GetParam();
    const CallNumberCut cut = cutCallNumber(QString::fromUtf8(c.callNumber), designOf(c.design).spine);
    EXPECT_EQ(cut.lines, c.lines);
    EXPECT_EQ(cut.dropped, c.dropped);
}
INSTANTIATE_TEST_SUITE_P(
    Design, Cuts,
    testing::Values(
        CutCase{"blanks_leave_no_empty_line", "mayusculas = si", " QA76  .C15 ", {"QA76", ".C15"}, false},
        CutCase{"at_a_character_not_printed", "cortar_en = /\ncortar_en_espacios = no",
                "860-3 /CER/ qui", {"860-3", "CER", "qui"}, false},
        CutCase{"characters_and_blanks", "cortar_en = /-", "860-3/CER qui", {"860", "3", "CER", "qui"}, false},
        CutCase{"words_dropped_whole_in_any_case", "quitar = HU, ref\ncortar_en = /",
                "HU/860 HUM/REF x", {"860", "HUM", "x"}, false},
        CutCase{"capitals_with_accents", "mayusculas = si", "ñu año é", {"ÑU", "AÑO", "É"}, false},
        CutCase{"six_lines_at_most", "cortar_en = /", "1/2/3/4/5/6/7", {"1", "2", "3", "4", "5", "6"}, true}),
    CaseName());

struct TagLineCase {
    const char* name;
    const char* design;
    const char* value;
    const char* line;
};
class TagLines : public testing::TestWithParam<TagLineCase> {};
TEST_P(TagLines, ThroughTheTableOfShortCodes) {
    const TagLineCase& c = GetParam();
    const design::Design d = designOf(c.design);
    const design::TagLine& line = d.spine.below.front();
    EXPECT_EQ(tagLineText(QString::fromUtf8(c.value), line, d), QString::fromUtf8(c.line));
}
INSTANTIATE_TEST_SUITE_P(
    Design, TagLines,
    testing::Values(
        TagLineCase{"short_code", "debajo = z30-sub-library\n[siglas]\nBiblioteca Central = BC",
                    " Biblioteca Central", "BC"},
        TagLineCase{"value_as_it_stands", "debajo = z30-sub-library\n[siglas]\nHemeroteca = HEM",
                    "Biblioteca Central", "Biblioteca Central"},
        TagLineCase{"first_letters_in_capitals", "debajo = z13-author:3:mayusculas",
                    "Núñez, Begoña", "NÚÑ"},
        TagLineCase{"first_letters_of_a_short_word", "debajo = z13-author:3", "Li, Wei", "Li"},
        TagLineCase{"small_letters_under_capitals", "mayusculas = si\ndebajo = z13-title:3:minusculas",
                    "Cien años", "cie"}),
    CaseName());

// An item's other tag gives its own label's line, wherever it stands in the
// item; an item without it gets none.
TEST(DesignGeneration, TheTagOfTheSameItem) {
    TempDriveC c;
    c.write("f.prn",
            "<section-02>\r\n<z30-sub-library>Biblioteca Central</z30-sub-library>\r\n"
            "<z30-call-no>HU/860</z30-call-no>\r\n</section-02>\r\n"
            "<section-02>\r\n<z30-call-no>QA76</z30-call-no>\r\n</section-02>\r\n"
            "<section-02>\r\n<z30-call-no>B72</z30-call-no>\r\n"
            "<z30-sub-library>Hemeroteca</z30-sub-library>\r\n</section-02>\r\n");
    const SpineGeneration g = generateSpineLabels(
        c.file("f.prn"), designOf("cortar_en = /\nquitar = HU\nencima = z30-sub-library\n"
                                  "[siglas]\nBiblioteca Central = BC"));
    const QString sep = labellist::kSeparator;
    EXPECT_EQ(entries(g.callNumberLines),
              (QStringList{"BC", "860", sep, "QA76", sep, "Hemeroteca", "B72", sep, "*"}));
}

struct BadFile {
    const char* name;
    QByteArray bytes;  // empty: no file at all
    const char* problem;
};
class BadFiles : public testing::TestWithParam<BadFile> {};
TEST_P(BadFiles, AreRefusedWhole) {
    const BadFile& c = GetParam();
    TempDriveC drive;
    if (!c.bytes.isEmpty()) drive.write("d.ini", c.bytes);
    const design::Read read = design::readFile(drive.file("d.ini"));
    EXPECT_FALSE(read.design);
    EXPECT_EQ(read.problem, QString::fromUtf8(c.problem));
}
INSTANTIATE_TEST_SUITE_P(
    Design, BadFiles,
    testing::Values(
        BadFile{"unknown_key", "[tejuelo]\r\nalineacion = centro\r\ncolor = rojo\r\n",
                "línea 3: la clave «color» no existe"},
        BadFile{"bad_value", "[tejuelo]\nvertical = medio\n",
                "línea 2: vertical: «medio» no es ninguno de: arriba, centro, abajo"},
        BadFile{"size_0", "; un diseño\n[tejuelo]\ntamano = 0\n",
                "línea 3: tamano: «0» no es un tamaño de 4 a 72 puntos"},
        BadFile{"key_outside_a_section", "tamano = 10\n", "línea 1: «tamano» está fuera de toda sección"},
        BadFile{"two_megabytes", QByteArray(2 << 20, ';'), "mide más de 64 KB: no es un archivo de diseño"},
        BadFile{"binary", QByteArray("[ficha]\n\x00\x01\x02", 11), "no es un archivo de texto"},
        BadFile{"missing", {}, "no se puede leer el archivo"}),
    CaseName());

// An empty section is no design; what a design file writes, it reads back.
TEST(DesignFile, EmptyIsTheDefaultAndWhatIsWrittenReadsBack) {
    EXPECT_TRUE(designOf("").isDefault());
    const design::Design d = designOf(
        "fuente = Book Antiqua\ntamano = 14\nmayusculas = si\nalineacion = derecha\n"
        "interlineado = 0,4\ncortar_en = /\nquitar = HU\nencima = z30-sub-library:2\n"
        "[ficha]\ncodigo = code39\ntamano_titulo = 9\n[siglas]\nBiblioteca Central = BC");
    EXPECT_EQ(design::readText(design::toText(d)).design, d);
}

struct PlaceCase {
    const char* name;
    const char* design;
    std::vector<std::pair<double, double>> starts;  // each line's (x, y)
};
class Placement : public testing::TestWithParam<PlaceCase> {};
// Two lines of 2 and 4 characters (0.14 and 0.28 cm at 8 points on the
// recording surface) at a position 0.3 cm into a label of 4 x 2 cm at (1, 1).
TEST_P(Placement, InTheLabel) {
    const PlaceCase& c = GetParam();
    Stock stock{"S", {}, 210, 297, 40, 20, 1, 1, 10, 10, 40, 20};
    CoordinateTable table(1);
    table.x[0] = "1,3";
    table.y[0] = "1,3";
    RecordingSurface surface;
    const SpineDrawing drawing{"8", lookOf(designOf(c.design).spine, kPrinterFace), stock};
    PlaceCursor places(FirstSheet(1));
    walkSpineLabels(labelList({"AB", "ABCD", labellist::kSeparator, labellist::kEndMarker}), table,
                    drawing, surface, {}, places);
    ASSERT_EQ(surface.lines().size(), qsizetype(c.starts.size()));
    for (size_t k = 0; k < c.starts.size(); ++k) {
        EXPECT_NEAR(surface.lines()[qsizetype(k)].xCm, c.starts[k].first, 1e-6) << k;
        EXPECT_NEAR(surface.lines()[qsizetype(k)].yCm, c.starts[k].second, 1e-6) << k;
    }
}
// Line height at 8 points: 1.2 * 8 / 72 * 2.54 = 0.33867 cm.
INSTANTIATE_TEST_SUITE_P(
    Design, Placement,
    testing::Values(
        PlaceCase{"left_top", "negrita = no", {{1.3, 1.3}, {1.3, 1.6}}},
        PlaceCase{"centred", "alineacion = centro",
                  {{3 - 0.141111, 1.3}, {3 - 0.282222, 1.6}}},
        PlaceCase{"right", "alineacion = derecha",
                  {{4.7 - 0.282222, 1.3}, {4.7 - 0.564444, 1.6}}},
        PlaceCase{"middle", "vertical = centro",
                  {{1.3, 2 - (0.3 + 0.338667) / 2}, {1.3, 2 - (0.3 + 0.338667) / 2 + 0.3}}},
        PlaceCase{"bottom_with_a_free_line", "vertical = abajo\nlineas_libres = 1",
                  {{1.3, 2.7 - 0.338667 - 0.3}, {1.3, 2.7 - 0.338667}}},
        PlaceCase{"free_lines_and_spacing", "lineas_libres = 2\ninterlineado = 0,5",
                  {{1.3, 2.3}, {1.3, 2.8}}},
        PlaceCase{"face_spacing", "interlineado = fuente", {{1.3, 1.3}, {1.3, 1.3 + 0.338667}}}),
    CaseName());

// The check measures as the design places: a centred line has the label's
// width, lines from the middle may rise past its top.
TEST(DesignCheck, MeasuresAsTheDesignPlaces) {
    Stock stock{"S", {}, 210, 297, 10, 10, 1, 1, 10, 10, 10, 10};
    CoordinateTable table(1);
    table.x[0] = "1,1";
    table.y[0] = "1,1";
    RecordingSurface surface;
    const labellist::LabelList list =
        labelList({"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "2", labellist::kSeparator, labellist::kEndMarker});
    auto problems = [&](const char* d) {
        QStringList found;
        const SpineLook look = lookOf(designOf(d).spine, kPrinterFace);
        for (const auto& f : checkSpineLabels(list, {}, table, "8", look, FirstSheet(1), surface,
                                              &stock).findings)
            found << f.problem;
        return found;
    };
    const QString wide = "la línea «ABCDEFGHIJKLMNOPQRSTUVWXYZ» mide 3,67 cm ";
    EXPECT_EQ(problems("alineacion = centro"), QStringList{wide + "y la etiqueta mide 1,00 cm de ancho"});
    EXPECT_EQ(problems("vertical = centro\ninterlineado = 1"),
              (QStringList{wide + "y hasta el borde de la etiqueta hay 0,90 cm",
                           "sus líneas se salen de la etiqueta por abajo",
                           "sus líneas se salen de la etiqueta por arriba"}));
}
