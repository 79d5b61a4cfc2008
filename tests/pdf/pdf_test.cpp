// The windowless job of both programs, run as a person would run it, and the
// PDF read back with pdftotext: every line within 0.1 mm of its place.
#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "common/core/history/jobhistory.h"
#include "common/core/sheets/catalogue.h"
#include "common/paint/paintersurface.h"
#include "fichas/core/fullwalk.h"
#include "lomos/core/coordinates.h"
#include "pdfwords.h"
#include "testenv.h"

namespace {

constexpr double kTolCm = 0.01;  // 0.1 mm

ProcessRun runLomos(const QStringList& args) { return runProcess(QStringLiteral(LOMOS_EXE), args); }

// `word` stands on `page` within 0.1 mm of its place.
void expectWordAt(const PdfText& text, const QString& word, int page, double xCm, double yCm) {
    EXPECT_LT(text.distanceCm(word, page, xCm, yCm), kTolCm) << word.toStdString();
}

}  // namespace

TEST(PdfSurface, ASecondEndLeavesTheFileAsTheFirstWroteIt) {
    QTemporaryDir out;
    PdfSurface pdf(out.filePath("d.pdf"), PdfSurface::Paper::A4);
    pdf.setCurrentX(2);
    pdf.setCurrentY(3);
    ASSERT_TRUE(pdf.print("QA76") && pdf.endDoc());
    EXPECT_TRUE(pdf.endDoc());
    expectWordAt(readPdfWords(out.filePath("d.pdf")), "QA76", 1, 2, 3);
}

struct ExitCase {
    const char* name;
    const char* settings;  // the settings file's bytes, or null for a print file of one item
    QStringList options;   // after --pdf FILE
    bool pdfIsAFolder;
    int exitCode;
    const char* message;  // the start of what goes to standard error
};
class ExitStatus : public testing::TestWithParam<std::tuple<const char*, ExitCase>> {};
TEST_P(ExitStatus, AndMessage) {
    const auto& [program, c] = GetParam();
    TempDriveC drive;
    drive.putDefaultCoordinates();
    if (c.settings) {
        drive.write("ini.prn", c.settings);
    } else {
        drive.putPrintFile(printFileWithFullItems(1));
    }
    QTemporaryDir out;
    const QString pdf = out.filePath("x.pdf");
    if (c.pdfIsAFolder) QDir().mkpath(pdf);
    const ProcessRun run =
        runProcess(QString::fromUtf8(program), QStringList{"--pdf", pdf} + c.options);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(c.message))) << run.err.toStdString();
    if (c.exitCode != 0) {
        EXPECT_FALSE(QFileInfo(pdf).isFile());
    }
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Programs, ExitStatus, testing::Combine(
    testing::Values(LOMOS_EXE, FICHAS_EXE), testing::Values(
        ExitCase{"missing_settings", "\r\nBIB50\r\n", {}, false, 2, "Falta especificar información"},
        ExitCase{"unreadable_print_file", "NOESTA\r\nBIB50\r\n", {}, false, 3,
                 "No se pudo leer el archivo de etiquetas:\n"},
        ExitCase{"pdf_not_written", nullptr, {}, true, 4, "No se pudo escribir el PDF"},
        ExitCase{"label_past_the_list", nullptr, {"--labels", "1,2"}, false, 1, "La etiqueta 2 no está en la lista: hay 1"},
        ExitCase{"stock_unknown", nullptr, {"--stock", "Herma 0"}, false, 1, "La hoja «Herma 0» no está en el catálogo"},
        ExitCase{"start_past_the_stock", nullptr, {"--stock", "Zweckform 3474", "--start", "25"}, false, 1, "La etiqueta «25» no existe: escriba un número entero del 1 al 24."},
        ExitCase{"correction_three_crosses", nullptr, {"--correction-from", "1:28,0;3:157,0;31:28,257"}, false, 1, "Hacen falta al menos cuatro cruces"})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param) == std::string(LOMOS_EXE) ? "lomos_" : "fichas_") +
               std::get<1>(info.param).name;
    });

// --correction-from: a printer measured 1 mm to the right and 2 mm down of
// every cross; the job is drawn that much up and to the left.
TEST(LomosPdf, CorrectionFromMeasuresMovesEveryLine) {
    TempDriveC c;
    c.putPrintFile(printFileWithCallNumbers({"QA76 .C15", "TESIS"}));
    c.putDefaultCoordinates();
    QTemporaryDir out;
    const ProcessRun run = runLomos({"--pdf", out.filePath("c.pdf"), "--correction-from",
                                     "1:29,2;3:158,2;31:29,259;33:158,259"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const PdfText text = readPdfWords(out.filePath("c.pdf"));
    expectWordAt(text, "QA76", 1, 2.8 - 0.1, 0 - 0.2);
    expectWordAt(text, "TESIS", 1, 9.2 - 0.1, 0 - 0.2);
}

// --labels and --copies: the labels named, in that order, each as many times,
// from the first free place; the print file is left as it was.
TEST(LomosPdf, LabelsAndCopiesFromTheFirstFreePlace) {
    TempDriveC c;
    QStringList callNumbers;
    for (int k = 1; k <= 6; ++k) callNumbers << QStringLiteral("K%1 A%1").arg(k);
    c.putPrintFile(printFileWithCallNumbers(callNumbers));
    c.putDefaultCoordinates();
    const QByteArray printFile = c.read("CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn");
    QTemporaryDir out;
    const ProcessRun run = runLomos({"--pdf", out.filePath("j.pdf"), "--labels", "5,2-3",
                                     "--copies", "2", "--start", "2", "--skip", "4"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const PdfText text = readPdfWords(out.filePath("j.pdf"));
    const lomos::CoordinateTable t = lomos::defaultCoordinateTable();
    // Label 5 on places 2 and 3, label 2 on 5 and 6, label 3 on 7 and 8.
    const int numbers[] = {5, 5, 2, 2, 3, 3}, at[] = {1, 2, 4, 5, 6, 7};
    for (int i = 0; i < 6; ++i) {
        const QList<PdfWord> found = text.find(QStringLiteral("K%1").arg(numbers[i]));
        ASSERT_EQ(found.size(), 2) << numbers[i];
        EXPECT_LT(std::abs(found[i % 2].xMinCm - t.x[size_t(at[i])].toDouble()) +
                      std::abs(found[i % 2].yMinCm - t.y[size_t(at[i])].toDouble()),
                  kTolCm)
            << at[i];
    }
    EXPECT_TRUE(text.find("K1").isEmpty() && text.find("K4").isEmpty());
    EXPECT_EQ(c.read("CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn"), printFile);
}
// clang-format on

// Both programs' labels on their own sheets and on stocks of the catalogue:
// every word of label k within 0.1 mm of its place in the k-th free label,
// page after page; on a stock, inside that label and on the stock's paper.
// A stock's labels as its template lays them out, in mm.
struct Grid {
    int columns;
    double x0, y0, dx, dy, width, height;

    QRectF labelCm(int place) const {
        return {(x0 + dx * (place % columns)) / 10, (y0 + dy * (place / columns)) / 10, width / 10,
                height / 10};
    }
};
struct SheetCase {
    const char* name;
    const char* program;
    const char* stock;  // none: the program's own sheet
    int labels;
    int start;  // the first free label, from 1
    QStringList options = {};
    Grid grid = {};  // the stock's, from its template's numbers
};
class Sheets : public testing::TestWithParam<SheetCase> {};
TEST_P(Sheets, EveryWordAtItsPlace) {
    const SheetCase& s = GetParam();
    const bool fichas = QString::fromUtf8(s.program) == QStringLiteral(FICHAS_EXE);
    TempDriveC c;
    c.putDefaultCoordinates();
    QStringList callNumbers;
    for (int k = 0; k < s.labels; ++k) callNumbers << QStringLiteral("K%1 A%1 B%1").arg(k);
    c.putPrintFile(fichas ? printFileWithFullItems(s.labels)
                          : printFileWithCallNumbers(callNumbers));
    QTemporaryDir out;
    QStringList options = s.options + QStringList{"--pdf", out.filePath("s.pdf"), "--start",
                                                  QString::number(s.start)};
    if (s.stock) options << "--stock" << s.stock;
    const ProcessRun run = runProcess(s.program, options);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Se han generado %1 etiquetas\n").arg(s.labels));
    std::optional<Stock> stock;
    if (s.stock) stock = *catalogue::read(QStringLiteral(CATALOGUE_DIR)).find(s.stock);
    std::vector<QPointF> places;  // where each label's first word goes
    if (stock) {
        // The text starts this far into each label, down and across.
        const double insetCm = (fichas ? fichas::kStockInsetMm : lomos::kDefaultInsetMm) / 10;
        for (int p = 0; p < stock->grid().places(); ++p)
            places.push_back(s.grid.labelCm(p).topLeft() + QPointF(insetCm, insetCm));
    } else if (fichas) {
        const fichas::LabelPlaces p = fichas::printedPlaces();
        for (size_t i = 0; i < p.x.size(); ++i) places.emplace_back(p.x[i], p.y[i]);
    } else {
        const lomos::CoordinateTable t = lomos::defaultCoordinateTable();
        for (size_t i = 0; i < t.x.size(); ++i)
            places.emplace_back(t.x[i].toDouble(), t.y[i].toDouble());
    }
    const int count = int(places.size());
    const PdfText text = readPdfWords(out.filePath("s.pdf"));
    EXPECT_EQ(text.pages, (s.labels + s.start - 2) / count + 1);  // and no blank one after
    EXPECT_NEAR(text.pageWidthCm,
                stock                          ? stock->paperWidthMm / 10
                : s.options.contains("letter") ? 21.59
                                               : 21.0,
                0.01);
    // Each field's word, from its label's place: lomos's lines 0.3 cm apart.
    const std::vector<std::pair<QChar, QPointF>> words =
        fichas ? std::vector<std::pair<QChar, QPointF>>{{u'K', {0, 0}},
                                                        {u'B', {1.5, 0}},
                                                        {u'A', {1, 0.5}},
                                                        {u'T', {1, 0.8}}}
               : std::vector<std::pair<QChar, QPointF>>{
                     {u'K', {0, 0}}, {u'A', {0, 0.3}}, {u'B', {0, 0.6}}};
    for (int k = 0; k < s.labels; ++k) {
        const int at = k + s.start - 1;  // from the first place of the first sheet
        for (const auto& [field, offset] : words) {
            const QString word = field + QString::number(k);
            const QPointF place = places[size_t(at % count)] + offset;
            expectWordAt(text, word, at / count + 1, place.x(), place.y());
            if (!stock) continue;
            const QRectF label = s.grid.labelCm(at % count);
            const PdfWord w = text.find(word).value(0);
            EXPECT_TRUE(
                label.contains(QRectF(QPointF(w.xMinCm, w.yMinCm), QPointF(w.xMaxCm, w.yMaxCm))))
                << word.toStdString();
        }
    }
    if (s.options.contains("--font-size")) {  // 10 points, not 8
        EXPECT_NEAR(text.words[0].yMaxCm - text.words[0].yMinCm, 0.40, 0.02);
    }
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Pdf, Sheets, testing::Values(
    SheetCase{"lomos_own_sheet_on_letter_at_10_points", LOMOS_EXE, nullptr, 70, 1, {"--font-size", "10", "--paper", "letter"}},
    SheetCase{"fichas_own_sheet", FICHAS_EXE, nullptr, 72, 1},
    // x0="24.0945" y0="24.0945" dx="136.913" dy="72", 136.913 x 72 (points)
    SheetCase{"lomos_four_columns", LOMOS_EXE, "Herma 4102", 50, 3, {}, {4, 8.5, 8.5, 48.3, 25.4, 48.3, 25.4}},
    // x0="26.9291" y0="29.7638" dx="107.716" dy="60.0945", 107.716 x 60.0945 (points)
    SheetCase{"lomos_five_by_thirteen", LOMOS_EXE, "Herma 4606", 70, 1, {}, {5, 9.5, 10.5, 38, 21.2, 38, 21.2}},
    // x0="0" y0="0" dx="70mm" dy="37mm", 70mm x 37mm
    SheetCase{"fichas_twenty_four", FICHAS_EXE, "Zweckform 3474", 30, 2, {}, {3, 0, 0, 70, 37, 70, 37}},
    // x0="0.1625in" y0="0.5in" dx="4.1875in" dy="2in", 4in x 2in: the margins differ by 8.6 mm
    SheetCase{"fichas_ten_on_letter", FICHAS_EXE, "Avery 5163", 12, 1, {}, {2, 4.1275, 12.7, 106.3625, 50.8, 101.6, 50.8}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(LomosPdf, TooWideALineIsReportedAndStrictWritesNothing) {
    TempDriveC c;
    c.putPrintFile(printFileWithCallNumbers({"QA76", QString(30, u'W') + " B2"}));
    c.putDefaultCoordinates();
    QTemporaryDir out;
    const ProcessRun lenient = runLomos({"--pdf", out.filePath("a.pdf")});
    EXPECT_EQ(lenient.exitCode, 0);
    EXPECT_TRUE(QFileInfo::exists(out.filePath("a.pdf")));
    EXPECT_TRUE(lenient.err.startsWith("Etiqueta 2 (" + QString(30, u'W') + "): la línea «"))
        << lenient.err.toStdString();
    EXPECT_EQ(lenient.err.count(u'\n'), 1);
    const ProcessRun strict = runLomos({"--pdf", out.filePath("s.pdf"), "--strict"});
    EXPECT_EQ(strict.exitCode, 5);
    EXPECT_EQ(strict.err, lenient.err);
    EXPECT_FALSE(QFileInfo::exists(out.filePath("s.pdf")));
}

// A new install prints blind no more: the check says so, and --strict
// stops; a position that is no number is named by its label.
TEST(LomosPdf, NoCoordinatesOrNoNumberAreSaid) {
    TempDriveC c;
    c.putPrintFile(printFileWithCallNumbers({"QA76"}));
    QTemporaryDir out;
    const ProcessRun blind = runLomos({"--pdf", out.filePath("b.pdf"), "--strict"});
    EXPECT_EQ(blind.exitCode, 5);
    EXPECT_TRUE(blind.err.startsWith("No hay coordenadas guardadas")) << blind.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out.filePath("b.pdf")));
    c.putDefaultCoordinates();
    QByteArrayList lines = c.read("cy.txt").split('\n');
    lines[4] = "abc\r";
    c.write("cy.txt", lines.join('\n'));
    const ProcessRun named = runLomos({"--pdf", out.filePath("n.pdf")});
    EXPECT_EQ(named.exitCode, 0);
    EXPECT_EQ(named.err, QStringLiteral("Etiqueta 5: la Y «abc» no es un número\n"));
}

// Labels typed with --add-label take the print file's place (none is read,
// no settings are needed) and print where they belong.
TEST(Pdf, TypedLabelsWhereTheyBelong) {
    TempDriveC c;
    c.putDefaultCoordinates();
    QTemporaryDir out;
    const ProcessRun spine = runLomos({"--pdf", out.filePath("s.pdf"), "--add-label", "QA99 .N3",
                                       "--add-label", "TESIS", "--start", "5"});
    ASSERT_EQ(spine.exitCode, 0) << spine.err.toStdString();
    EXPECT_EQ(spine.out, QStringLiteral("Se han generado 2 etiquetas\n"));
    const PdfText s = readPdfWords(out.filePath("s.pdf"));
    const lomos::CoordinateTable t = lomos::defaultCoordinateTable();
    expectWordAt(s, ".N3", 1, t.x[4].toDouble(), t.y[4].toDouble() + 0.3);
    expectWordAt(s, "TESIS", 1, t.x[5].toDouble(), t.y[5].toDouble());
    const ProcessRun full = runProcess(QStringLiteral(FICHAS_EXE),
                                       {"--pdf", out.filePath("f.pdf"), "--add-label", "B9|K9|Pérez|Título"});
    ASSERT_EQ(full.exitCode, 0) << full.err.toStdString();
    const PdfText f = readPdfWords(out.filePath("f.pdf"));
    const fichas::LabelPlaces p = fichas::printedPlaces();
    expectWordAt(f, "B9", 1, p.x[0] + 1.5, p.y[0]);
    expectWordAt(f, "Pérez", 1, p.x[0] + 1, p.y[0] + 0.5);
}

// Two print files in turn, then the first job again once its print file is
// gone: word box for word box the sheets it gave; found by one call number,
// and one of its labels printed alone from place 17 of a used sheet.
TEST(LomosPdf, AKeptJobPrintsAgainWithoutItsPrintFile) {
    TempDriveC c;
    c.putDefaultCoordinates();
    c.putPrintFile(printFileWithCallNumbers({"QA76.73 C15", "B72 R49", "PQ7297 R47"}));
    QTemporaryDir out;
    ASSERT_EQ(runLomos({"--pdf", out.filePath("first.pdf")}).exitCode, 0);
    c.putPrintFile(printFileWithCallNumbers({"K1 A1"}));
    ASSERT_EQ(runLomos({"--pdf", out.filePath("second.pdf")}).exitCode, 0);
    ASSERT_TRUE(QFile::remove(c.file("CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn")));

    const QStringList listed = runLomos({"--list-jobs"}).out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(listed.size(), 2);
    const QRegularExpression line(QStringLiteral("^2\t\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d\t3\tQA76.73 C15\tPQ7297 R47$"));
    EXPECT_TRUE(line.match(listed[1]).hasMatch()) << listed[1].toStdString();
    EXPECT_TRUE(listed[0].startsWith(QStringLiteral("1\t"))) << listed[0].toStdString();
    const QString found = runLomos({"--list-jobs", "b72 r49"}).out;
    EXPECT_TRUE(found.startsWith(QStringLiteral("2\t")) && found.count(u'\n') == 1) << found.toStdString();

    ASSERT_EQ(runLomos({"--job", "2", "--pdf", out.filePath("again.pdf")}).exitCode, 0);
    const PdfText first = readPdfWords(out.filePath("first.pdf"));
    const PdfText again = readPdfWords(out.filePath("again.pdf"));
    ASSERT_EQ(again.words.size(), first.words.size());
    ASSERT_FALSE(first.words.isEmpty());
    for (qsizetype i = 0; i < first.words.size(); ++i) {
        const PdfWord &a = first.words[i], &b = again.words[i];
        EXPECT_TRUE(a.text == b.text && a.page == b.page && a.xMinCm == b.xMinCm &&
                    a.yMinCm == b.yMinCm && a.xMaxCm == b.xMaxCm && a.yMaxCm == b.yMaxCm)
            << a.text.toStdString();
    }
    // As the window keeps a job printed with an edit.
    jobhistory::History history(c.file("datos/lomos/trabajos"));
    const QString second = history.list().at(1).file;
    jobhistory::KeptJob edited = *history.load(second);
    edited.edits[1] = {{"B72", "R49", "bis"}};
    ASSERT_TRUE(history.replace(second, edited));
    const ProcessRun one = runLomos({"--job", "2", "--labels", "2", "--start", "17", "--pdf",
                                     out.filePath("one.pdf")});
    ASSERT_EQ(one.exitCode, 0) << one.err.toStdString();
    const PdfText reprint = readPdfWords(out.filePath("one.pdf"));
    const lomos::CoordinateTable t = lomos::defaultCoordinateTable();
    expectWordAt(reprint, "B72", 1, t.x[16].toDouble(), t.y[16].toDouble());
    EXPECT_EQ(reprint.find("bis").size(), 1);
    EXPECT_TRUE(reprint.find("QA76.73").isEmpty() && reprint.find("PQ7297").isEmpty());
    EXPECT_EQ(runLomos({"--list-jobs"}).out.count(u'\n'), 2);  // reprints keep nothing

    const ProcessRun none = runLomos({"--job", "3", "--pdf", out.filePath("none.pdf")});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.contains(QStringLiteral("No hay ningún trabajo 3 guardado"))) << none.err.toStdString();
    EXPECT_FALSE(QFile::exists(out.filePath("none.pdf")));
}
