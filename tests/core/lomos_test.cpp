// lomos without a window: the label list "Generar" builds, where the walk
// puts every line on a surface that records them, the places of the first
// sheet, the check before printing and the test sheet.
#include <gtest/gtest.h>

#include <QBuffer>

#include "common/core/text/codepage.h"
#include "fichas/core/fullwalk.h"
#include "lomos/core/spinecheck.h"
#include "lomos/core/spinegeneration.h"
#include "lomos/core/spinewalk.h"
#include "recorded.h"
#include "testenv.h"

using namespace lomos;

namespace {

const QString kSep = labellist::kSeparator;

SpineGeneration generateFrom(const QByteArray& bytes) {
    TempDriveC c;
    c.write("f.prn", bytes);
    return generateSpineLabels(c.file("f.prn"));
}

// n labels named L0, L1 ...; with more lines each, "L5", "L5.2", "L5.3" ...
QStringList labels(int n, int linesEach = 1) {
    QStringList list;
    for (int k = 0; k < n; ++k) {
        list << QStringLiteral("L%1").arg(k);
        for (int l = 2; l <= linesEach; ++l) list << QStringLiteral("L%1.%2").arg(k).arg(l);
        list << kSep;
    }
    return list << labellist::kEndMarker;
}

// Prints the entries at the positions of the table, from the free places of
// `first`, on a recording surface.
std::unique_ptr<RecordingSurface> print(const QStringList& entries,
                                        const CoordinateTable& table = defaultCoordinateTable(),
                                        const QString& size = QStringLiteral("8"),
                                        const FirstSheet& first = FirstSheet(33)) {
    const labellist::LabelList list = labelList(entries);
    auto surface = std::make_unique<RecordingSurface>();
    surface->setFontSize(11);
    EXPECT_TRUE(printPages(spineWalk(std::make_shared<const labellist::LabelList>(list), table,
                                     {size, {kPrinterFace}}),
                           *surface, first)
                    .printed);
    return surface;
}

}  // namespace

// Parts split at each blank (two blanks make an empty line), six at most.
TEST(SpineGeneration, EveryCallNumberMakesALabel) {
    const SpineGeneration g = generateFrom(
        printFileWithCallNumbers({"QA76.73 .C15 2005", QStringLiteral("AÑO"), "", "863  G216c",
                                  "A B C D E F G"}) +  // letters in the code page
        "   <z30-call-no>* X</z30-call-no>\r\n"        // "*" is a line like any other
        "<z30-call-no>NO CLOSING\r<z30-call-no>CR</z30-call-no>\r");  // a CR alone ends a line
    EXPECT_EQ(g.status, printfile::Status::Ok);
    EXPECT_EQ(g.labelCount, 8);
    EXPECT_EQ(entries(g.callNumberLines),
              (QStringList{"QA76.73", ".C15", "2005",    kSep, QStringLiteral("AÑO"),
                           kSep,      kSep,   "863",     "",   "G216c",
                           kSep,      "A",    "B",       "C",  "D",
                           "E",       "F",    kSep,      "*",  "X",
                           kSep,      "NO",   "CLOSING", kSep, "CR",
                           kSep,      "*"}));
}

// Label k goes to position k mod 33 of sheet k div 33 + 1, its lines 0.3 cm
// apart at any size, cut to 30 characters, in the printer's bold face.
TEST(SpineWalk, LabelKGoesToPositionKMod33OfSheetKDiv33PlusOne) {
    QStringList list = labels(66, 2);
    list.replace(list.indexOf("L40.2"), QString(31, u'X'));
    auto p = print(list, defaultCoordinateTable(), "11");
    EXPECT_EQ(p->sheets(), 2);  // and no blank third
    const CoordinateTable t = defaultCoordinateTable();
    for (int k = 0; k < 66; ++k) {
        const auto first = lineWith(*p, QStringLiteral("L%1").arg(k));
        EXPECT_EQ(first.sheet, k / 33 + 1) << k;
        EXPECT_DOUBLE_EQ(first.xCm, t.x[k % 33].toDouble()) << k;
        EXPECT_DOUBLE_EQ(first.yCm, t.y[k % 33].toDouble()) << k;
    }
    EXPECT_NEAR(lineWith(*p, "L5.2").yCm - lineWith(*p, "L5").yCm, 0.3, 1e-9);
    EXPECT_EQ(lineWith(*p, QString(30, u'X')).sizePt, 11);
    EXPECT_EQ(lineWith(*p, "L0").face, QStringLiteral("Times NEw Roman"));
    EXPECT_TRUE(lineWith(*p, "L0").bold);
}

struct ListCase {
    const char* name;
    QStringList list;
    QStringList printed;
    double lastXCm;  // where the last line printed stands
};
class SpineLists : public testing::TestWithParam<ListCase> {};
TEST_P(SpineLists, Printed) {
    auto p = print(GetParam().list);
    EXPECT_EQ(texts(*p), GetParam().printed);
    if (!texts(*p).isEmpty()) {
        EXPECT_DOUBLE_EQ(p->lines().last().xCm, GetParam().lastXCm);
    }
    EXPECT_TRUE(p->ended());
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Lomos, SpineLists, testing::Values(
    ListCase{"empty_label_uses_its_place", {"A", kSep, kSep, "C", kSep, "*"}, {"A", "C"}, 15.7},
    ListCase{"star_line_prints", {"A", kSep, "*", "X", kSep, "B", kSep, "*"}, {"A", "*", "X", "B"}, 15.7}),
    CaseName());
// clang-format on

// The preview's pages, and the sheets that end full: the question between
// sheets comes after each of those, the last one too.
struct PreviewCase {
    const char* name;
    int labels;
    int pages;
    int full;
};
class SpinePreview : public testing::TestWithParam<PreviewCase> {};
TEST_P(SpinePreview, PagesAndTheSheetsThatEndFull) {
    const PreviewCase& c = GetParam();
    RecordingSurface surface;
    const labellist::LabelList list = labelList(labels(c.labels));
    const int full = previewPages(spineWalk(std::make_shared<const labellist::LabelList>(list),
                                            defaultCoordinateTable(), {"8", {kPreviewFace}}),
                                  surface, FirstSheet(kSpineSheet.places()));
    EXPECT_EQ(full, c.full);
    EXPECT_EQ(surface.sheets(), c.pages);
    EXPECT_EQ(surface.lines().size(), c.labels);
    EXPECT_EQ(surface.lines().first().face, QStringLiteral("Times New Roman"));
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Lomos, SpinePreview, testing::Values(
    PreviewCase{"fewer_than_a_sheet", 32, 1, 0},
    PreviewCase{"a_sheet_exactly", 33, 1, 1},
    PreviewCase{"three_sheets", 70, 3, 2}),
    CaseName());
// clang-format on

// The start field and the map: which places of the first sheet are used.
TEST(FirstSheet, TheStartFieldMarksThePlacesBeforeItUsed) {
    FirstSheet sheet(kSpineSheet.places());  // places from 0, numbers from 1
    sheet.setUsed(4, true);                  // peeled off
    sheet.startAt(7);
    sheet.startAt(2);  // back: the places after it are free again, but the one marked
    EXPECT_EQ(sheet.usedNumbers(), (QList<int>{1, 2, 5}));
    sheet.setUsed(9, true);
    sheet.startAt(1);  // a hole after the start stays
    EXPECT_EQ(sheet.usedNumbers(), (QList<int>{1, 5, 10}));
    sheet.startAt(3);
    sheet.setUsed(1, false);  // freed before the start: the start moves back to it
    EXPECT_EQ(sheet.usedNumbers(), (QList<int>{1, 3, 5, 10}));
    EXPECT_EQ(sheet.firstFree(), 1);
}

// What the coordinates would print blind, each said once, by label from 1.
TEST(SpineCheck, CoordinatesNotSavedOrNoNumbers) {
    EXPECT_EQ(checkCoordinates(CoordinateTable(), false).size(), 1u);  // said once, not 66 times
    CoordinateTable table = defaultCoordinateTable();
    table.y[4] = "abc";
    table.x[2] = " ";
    table.x[7] = "2,8";  // a comma is a number
    QStringList found;
    for (const auto& f : checkCoordinates(table, true)) found << labelcheck::findingLines({f});
    EXPECT_EQ(found, (QStringList{"Etiqueta 3: la X está vacía",
                                  "Etiqueta 5: la Y «abc» no es un número"}));
    const std::vector<labelcheck::Finding> all = {{0, {}, "x"}, {2, "A", "y"}, {2, "A", "z"}};
    EXPECT_TRUE(labelcheck::findingsMessage(all).startsWith(
        "No todo saldrá bien en el papel: 1 etiqueta, 3 avisos.\n\nx\nEtiqueta 2 (A): y"));
}

// Labels typed by hand come after the generated ones, cut as they are.
TEST(SpineGeneration, TypedLabelsJoinTheGenerated) {
    SpineGeneration g = generateFrom(printFileWithCallNumbers({"1 2 3 4 5 6 7", "A B"}));
    QByteArray typed = "<z30-call-no>TESIS 1 2 3 4 5 6</z30-call-no>\r\n";
    QBuffer more(&typed);
    more.open(QIODevice::ReadOnly);
    g = joined(std::move(g), more);
    EXPECT_EQ(g.labelCount, 3);
    EXPECT_EQ(g.cutLabels, (std::vector<qint64>{0, 2}));
    EXPECT_EQ(entries(g.callNumberLines).mid(10), (QStringList{"TESIS", "1", "2", "3", "4", "5", kSep, "*"}));
}

// The check before printing, on a surface whose texts are half their size
// wide for each character: 8 points make 0.141 cm a character.
struct SpineCheckCase {
    std::string name;
    QStringList callNumbers;
    QString fontSize;
    int start;  // the first place, from 0
    double areaHeightCm;
    QStringList found;  // "label: words of the problem"
};
class SpineCheck : public testing::TestWithParam<SpineCheckCase> {};
TEST_P(SpineCheck, FindsWhatWouldNotComeOutWhole) {
    const SpineCheckCase& c = GetParam();
    const SpineGeneration g = generateFrom(printFileWithCallNumbers(c.callNumbers));
    RecordingSurface surface;
    surface.setArea(21, c.areaHeightCm);
    FirstSheet first(kSpineSheet.places());
    first.startAt(c.start);
    const labelcheck::Result result =
        checkSpineLabels(g.callNumberLines, g.cutLabels, defaultCoordinateTable(), c.fontSize,
                         {kPrinterFace}, first, surface);
    EXPECT_EQ(result.labels, c.callNumbers.size());
    QStringList found;
    for (const auto& f : result.findings) found << QString::number(f.label) + ": " + f.problem;
    ASSERT_EQ(found.size(), c.found.size()) << found.join('\n').toStdString();
    for (qsizetype i = 0; i < found.size(); ++i) {
        EXPECT_TRUE(found[i].startsWith(c.found[i])) << found[i].toStdString();
    }
}
// 26 characters at 14 points are wider than the 6.4 cm to the second column,
// not than the 6.5 cm from there to the third.
const QString k26 = QString(26, u'B'), k22 = QString(22, u'C');
// clang-format off
INSTANTIATE_TEST_SUITE_P(Labels, SpineCheck, testing::Values(
    SpineCheckCase{"wider_than_its_label", {k26, k26}, "14", 0, 29.7,
                   {"1: la línea «" + k26 + "» mide 6,42 cm y la etiqueta mide 6,40"}},
    SpineCheckCase{"past_the_right_edge", {k22}, "14", 2, 29.7,
                   {"1: la línea «" + k22 + "» mide 5,43 cm y hasta el borde derecho hay 5,30"}},
    SpineCheckCase{"six_lines_at_14_points_reach_the_next_row", {"1 2 3 4 5 6"}, "14", 0, 29.7,
                   {"1: sus líneas pasan a la etiqueta de abajo"}},
    SpineCheckCase{"off_the_bottom_in_the_last_row", {"1 2 3"}, "8", 30, 26.5,
                   {"1: sus líneas se salen del papel por abajo"}},
    SpineCheckCase{"more_than_six_parts", {"1 2 3 4 5 6 ", "1 2 3 4 5 6 7"}, "8", 0, 29.7,
                   {"2: la clasificación tiene más de seis partes"}},
    SpineCheckCase{"no_line", {"QA76", "", "  "}, "8", 0, 29.7,
                   {"2: no tiene ninguna línea", "3: no tiene ninguna línea"}}),
    CaseName());
// clang-format on

// The test sheet of either program: at each position a cross centred on it,
// its numbers beside it; a position that is not a number, at the foot.
TEST(TestSheet, CrossesAndNumbersAtThePositions) {
    std::vector<testsheet::Position> spine = testPositions(defaultCoordinateTable(), kSpineSheet);
    spine[7].xCm.reset();
    for (const auto& positions : {spine, fichas::testPositions(fichas::printedPlaces())}) {
        RecordingSurface surface;
        printPages(testsheet::walk(positions), surface, FirstSheet(kSpineSheet.places()));
        const testsheet::Position& p = positions[4];  // place 5, row 1, column 1
        const double x = *p.xCm, y = *p.yCm, arm = testsheet::kCrossArmCm;
        for (const std::array<double, 4>& line :
             {std::array{x - arm, y, x + arm, y}, std::array{x, y - arm, x, y + arm}}) {
            EXPECT_TRUE(std::any_of(
                surface.segments().begin(), surface.segments().end(), [&](const auto& s) {
                    return std::abs(s.x1Cm - line[0]) + std::abs(s.y1Cm - line[1]) +
                               std::abs(s.x2Cm - line[2]) + std::abs(s.y2Cm - line[3]) <
                           1e-9;
                }));
        }
        expectAt(surface, "5: fila 1, col. 1", 1, x + 0.1, y + 0.05);
        expectAt(surface, testsheet::coordinates(p), 1, x + 0.1, y + 0.3);
    }
    RecordingSurface surface;
    printPages(testsheet::walk(spine), surface, FirstSheet(kSpineSheet.places()));
    expectAt(surface, "8: fila 2, col. 1: sin coordenadas (X ?  Y 4,30)", 1, 1.0, 29.7 - 1.0);
    // The first row's crosses stand at the top: the rulers go along the
    // bottom, their numbers clear of every cross's; the correction proposes
    // the corners of whole crosses.
    for (const auto& line : surface.lines()) {
        const bool rulerNumber = line.text.toInt() > 0 || line.text == "0";
        EXPECT_EQ(rulerNumber, line.yCm > 29.7 - 0.7 || line.xCm < 0.7) << line.text.toStdString();
    }
    EXPECT_EQ(testsheet::measurableCorners(testPositions(defaultCoordinateTable(), kSpineSheet),
                                           kSpineSheet),
              (std::vector<int>{4, 6, 31, 33}));
}
