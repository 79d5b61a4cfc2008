// fichas without a window: the four lists "Generar Etiquetas" builds (accents
// repaired, authors and titles wrapped), and where the walk puts each field.
#include <gtest/gtest.h>

#include "fichas/core/fullcheck.h"
#include "fichas/core/fullgeneration.h"
#include "fichas/core/fullwalk.h"
#include "recorded.h"
#include "testenv.h"

using namespace fichas;

namespace {

const QString kSep = labellist::kSeparator;

FullGeneration generateFrom(const QByteArray& bytes) {
    TempDriveC c;
    c.write("f.prn", bytes);
    return generateFullLabels(c.file("f.prn"));
}

QByteArray tagged(const char* tag, const QByteArray& value) {
    return "<" + QByteArray(tag) + ">" + value + "</" + tag + ">\r\n";
}

// The lines a title (or an author) value becomes, without the separator.
QStringList titleLines(const QByteArray& value, const char* tag = "z13-title") {
    const FullGeneration g = generateFrom(tagged(tag, value));
    QStringList lines = entries(tag == QLatin1String("z13-title") ? g.titleLines : g.authorLines);
    return lines.mid(0, lines.indexOf(kSep));
}

// n labels: barcode Bk, call number Ck and Ck.2, author Ak, title Tk; the given
// labels get a second author or title line.
FullGeneration labels(int n, QList<int> twoLineAuthors = {}, QList<int> twoLineTitles = {}) {
    QStringList barras, clasify, autor, titulo;
    for (int k = 0; k < n; ++k) {
        const QString id = QString::number(k);
        barras << "B" + id << kSep;
        clasify << "C" + id << "C" + id + ".2" << kSep;
        autor << "A" + id;
        if (twoLineAuthors.contains(k)) autor << "A" + id + ".2";
        autor << kSep;
        titulo << "T" + id;
        if (twoLineTitles.contains(k)) titulo << "T" + id + ".2";
        titulo << kSep;
    }
    FullGeneration g;
    g.barcodes = labelList(barras);
    g.callNumberLines = labelList(clasify << "*");
    g.authorLines = labelList(autor << "*");
    g.titleLines = labelList(titulo);
    return g;
}

std::unique_ptr<RecordingSurface> print(const FullGeneration& g) {
    auto surface = std::make_unique<RecordingSurface>();
    printPages(fullWalk(std::make_shared<const FullGeneration>(g), printedPlaces()), *surface,
               FirstSheet(kFullSheet.places()));
    return surface;
}

}  // namespace

// Titles wrap at 28 characters and 36, authors at 40 and 40; letters written
// in UTF-8 are read as such (the accents repaired), other bytes in the code
// page.
struct WrapCase {
    const char* name;
    QByteArray value;
    QStringList lines;
    const char* tag = "z13-title";
};
class Wrap : public testing::TestWithParam<WrapCase> {};
TEST_P(Wrap, Lines) { EXPECT_EQ(titleLines(GetParam().value, GetParam().tag), GetParam().lines); }
// clang-format off
INSTANTIATE_TEST_SUITE_P(Fichas, Wrap, testing::Values(
    WrapCase{"twenty_nine_without_blank", QByteArray(29, 'a'), {QString(28, u'a'), "a"}},
    WrapCase{"last_blank_at_or_before_28_ends_line_1",
             "Introducci\xC3\xB3n a la teor\xC3\xAD" "a de los n\xC3\xBAmeros",
             {QStringLiteral("Introducción a la teoría de "), QStringLiteral("los números")}},
    WrapCase{"blank_right_after_28_does_not_count", QByteArray(28, 'a') + " b", {QString(28, u'a'), " b"}},
    WrapCase{"line_2_holds_36_the_rest_is_dropped", QByteArray(27, 'a') + " " + QByteArray(50, 'b'),
             {QString(27, u'a') + " ", QString(36, u'b')}},
    WrapCase{"emoji_goes_whole_to_line_2", QByteArray(27, 'x') + "\xF0\x9F\x93\x9A" + QByteArray(40, 'y'),
             {QString(27, u'x'), QStringLiteral("\U0001F4DA") + QString(34, u'y')}},
    WrapCase{"author_forty_and_forty", QByteArray(32, 'a') + " " + QByteArray(50, 'b'),
             {QString(32, u'a') + " ", QString(40, u'b')}, "z13-author"},
    WrapCase{"lower_case", "N\xC3\xBAmero \xC3\xAD\xC3\xB3\xC3\xA1\xC3\xB1\xC3\xA9", {QStringLiteral("Número íóáñé")}},
    WrapCase{"windows_1252_in_the_last_bytes", "Teoria de ca\xF1", {QStringLiteral("Teoria de cañ")}},
    WrapCase{"windows_1252_stays", "Espa\xF1" "a \x80", {QStringLiteral("España €")}},
    WrapCase{"overlong_form_stays", "\xC0\xAF", {QStringLiteral("À¯")}}),
    CaseName());
// clang-format on

TEST(FullGeneration, FourListsInAnyOrderOfTags) {
    const FullGeneration g = generateFrom(
        tagged("z30-barcode", "3900258409929") + tagged("z13-author", "Chapra, S.") +
        tagged("z13-title", "Qu\xC3\xADmica") + tagged("z30-call-no", "QA76 \xC3\xA9"));
    EXPECT_EQ(g.labelCount, 1);
    EXPECT_EQ(entries(g.barcodes), (QStringList{"3900258409929", kSep}));
    EXPECT_EQ(entries(g.callNumberLines),
              (QStringList{"QA76", QStringLiteral("Ã©"), kSep, "*"}));  // not repaired
    EXPECT_EQ(entries(g.titleLines), (QStringList{QStringLiteral("Química"), kSep}));
    EXPECT_EQ(entries(g.authorLines), (QStringList{"Chapra, S.", kSep, "*"}));
    EXPECT_TRUE(mismatchWarning(g).isEmpty());
}

TEST(FullGeneration, AValueThatIsTheSeparatorsTextIsTheSeparator) {
    const QByteArray separator = kSep.toLatin1();
    const FullGeneration g =
        generateFrom(tagged("z30-barcode", separator) + tagged("z13-title", separator));
    EXPECT_EQ(entries(g.barcodes), (QStringList{kSep, kSep}));
    EXPECT_EQ(entries(g.titleLines), (QStringList{kSep, kSep}));
    EXPECT_TRUE(g.barcodes.isSeparator(0) && g.titleLines.isSeparator(0));  // not a line of text
}

TEST(FullWalk, PrintedPlaces) {
    auto w = print(labels(72));
    EXPECT_EQ(w->sheets(), 2);  // and no blank third
    expectAt(*w, "C0", 1, 0.8, 0.1);
    expectAt(*w, "C1", 1, 7.2, 0.1);
    expectAt(*w, "C5", 1, 13.7, 2.6);
    expectAt(*w, "C35", 1, 13.7, 26.7);
    expectAt(*w, "C36", 2, 0.8, 0.1);
    expectAt(*w, "C71", 2, 13.7, 26.7);
    expectAt(*w, "C1.2", 1, 7.2, 0.4);
    expectAt(*w, "B1", 1, 8.7, 0.1);
    expectAt(*w, "A1", 1, 8.2, 0.6);
    expectAt(*w, "T1", 1, 8.2, 0.9);
    const auto& first = w->lines();
    EXPECT_EQ(first[0].face, QStringLiteral("Times New Roman"));
    EXPECT_EQ(first.last().face, QStringLiteral("arial"));  // call numbers
    EXPECT_EQ(first.last().sizePt, 8);
}

TEST(FullWalk, SecondLinesPushTheTitleDown) {
    // 1: two-line author and title; 2: two-line title; 3: two-line author.
    auto w = print(labels(4, {1, 3}, {1, 2}));
    expectAt(*w, "A1.2", 1, 8.2, 0.9);
    expectAt(*w, "T1", 1, 8.2, 1.2);
    expectAt(*w, "T1.2", 1, 8.2, 1.5);
    expectAt(*w, "T2.2", 1, 14.7, 1.2);
    expectAt(*w, "T3", 1, 1.8, 3.7);
}

TEST(FullWalk, PreviewPlacesAndPages) {
    RecordingSurface surface;
    const FullGeneration g = labels(37);
    EXPECT_EQ(previewPages(fullWalk(std::make_shared<const FullGeneration>(g), previewPlaces()),
                           surface, FirstSheet(kFullSheet.places())),
              1);
    EXPECT_NEAR(lineWith(surface, "C1").xCm, 7.3, 1e-9);
    EXPECT_NEAR(lineWith(surface, "C4").xCm, 7.4, 1e-9);
    EXPECT_NEAR(lineWith(surface, "C35").yCm, 29.2, 1e-9);
    EXPECT_NEAR(lineWith(surface, "C36").yCm, 2.6, 1e-9);  // alone on the second page
    EXPECT_EQ(lineWith(surface, "C36").sheet, 2);
}

// The check before printing, on a surface whose texts are half their size
// wide for each character: 8 points make 0.141 cm a character.
QByteArray item(const QByteArray& callNumber, const QByteArray& barcode = "B",
                const QByteArray& author = "A", const QByteArray& title = "T") {
    return tagged("z30-barcode", barcode) + tagged("z13-author", author) +
           tagged("z13-title", title) + tagged("z30-call-no", callNumber);
}
QStringList findings(const FullGeneration& g, DrawingSurface& surface, int start = 0) {
    FirstSheet first(kFullSheet.places());
    first.startAt(start);
    const labelcheck::Result result = checkFullLabels(g, printedPlaces(), {}, first, surface);
    QStringList found;
    for (const auto& f : result.findings) {
        found << QString::number(f.label) + " (" + f.name + "): " + f.problem;
    }
    return found;
}

struct FullCheckCase {
    std::string name;
    QByteArray items;
    int start;  // the first place, from 0
    double areaHeightCm;
    QStringList found;
};
class FullCheck : public testing::TestWithParam<FullCheckCase> {};
TEST_P(FullCheck, FindsWhatWouldNotComeOutWhole) {
    const FullCheckCase& c = GetParam();
    RecordingSurface surface;
    surface.setArea(21, c.areaHeightCm);
    EXPECT_EQ(findings(generateFrom(c.items), surface, c.start), c.found);
}
const QByteArray kLongAuthor = QByteArray("Apellido Nombre ").repeated(6);  // 96 characters
const QByteArray kLongTitle = QByteArray("Palabra ").repeated(9);           // 72 characters
const QString kX30 = QString(30, u'X');
// clang-format off
INSTANTIATE_TEST_SUITE_P(Labels, FullCheck, testing::Values(
    // 1.5 cm to the barcode: 10 characters fit, 11 do not.
    FullCheckCase{"first_line_into_the_barcode", item("ABCDEFGHIJ", "B1") + item("ABCDEFGHIJK", "B2"),
                  0, 29.7, {"2 (B2): la línea «ABCDEFGHIJK» de la clasificación se monta sobre el código de barras"}},
    // 1 cm to the author beside the second line: 7 characters fit, 8 do not.
    FullCheckCase{"second_line_into_the_author", item("Q ABCDEFG", "B1") + item("Q ABCDEFGH", "B2"),
                  0, 29.7, {"2 (B2): la línea «ABCDEFGH» de la clasificación se monta sobre el autor"}},
    FullCheckCase{"a_line_cut_at_30", item(QByteArray(31, 'X'), "B1") + item(QByteArray(30, 'Y'), ""),
                  0, 29.7, {"1 (B1): la línea «" + kX30 + "…» de la clasificación pasa de 30 caracteres y se corta",
                            "1 (B1): la línea «" + kX30 + "» de la clasificación se monta sobre el código de barras"}},
    FullCheckCase{"author_and_title_lose_words", item("Q", "B1", kLongAuthor, "T") + item("Q", "B2", "A", kLongTitle),
                  0, 29.7, {"1 (B1): el autor no cabe en dos líneas y pierde palabras",
                            "2 (B2): el título no cabe en dos líneas y pierde palabras"}},
    // The last row's labels start 26.7 cm down; a title line ends 1.14 cm lower.
    FullCheckCase{"off_the_bottom", item("Q", "B1") + item("Q", "B2"),
                  32, 27.8, {"2 (B2): se sale del papel por abajo"}}),
    CaseName());
// clang-format on

// A face whose lines are 1.65 cm apart: the title ends 2.45 cm below the
// label's top, past the next row 2.2 cm lower under row 8 and 2.4 cm lower
// under row 10, not 2.5 cm lower under row 0.
class TallFaceSurface : public RecordingSurface {
protected:
    double lineSpacingCm() override { return 1.65; }
};
TEST(FullCheck, ALabelTallerThanItsRowRunsIntoTheOneBelow) {
    TallFaceSurface surface;
    const FullGeneration g = generateFrom(item("Q", "B1"));
    EXPECT_EQ(findings(g, surface, 0), QStringList{});
    for (int place : {24, 30}) {
        EXPECT_EQ(findings(g, surface, place),
                  QStringList{"1 (B1): se monta sobre la etiqueta de abajo"});
    }
}
