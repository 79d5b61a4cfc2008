// The windowless job of both programs, run as a person would run it, and the
// PDF read back with pdftotext: every line within 0.1 mm of its place.
#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <cmath>

#include "common/core/catalogue.h"
#include "common/paint/paintersurface.h"
#include "fichas/core/fullwalk.h"
#include "lomos/core/coordinates.h"
#include "pdfwords.h"
#include "testenv.h"

namespace {

constexpr double kTolCm = 0.01;  // 0.1 mm

ProcessRun runLomos(const QStringList& args) { return runProcess(QStringLiteral(LOMOS_EXE), args); }
ProcessRun runFichas(const QStringList& args) {
    return runProcess(QStringLiteral(FICHAS_EXE), args);
}

// `word` stands on `page` within 0.1 mm of its place.
void expectWordAt(const PdfText& text, const QString& word, int page, double xCm, double yCm) {
    EXPECT_LT(text.distanceCm(word, page, xCm, yCm), kTolCm) << word.toStdString();
}

}  // namespace

TEST(LomosPdf, SeventyLabelsLandAtTheirCoordinatesOnThreeLetterSheets) {
    TempDriveC c;
    QStringList callNumbers;
    for (int k = 0; k < 70; ++k) callNumbers << QStringLiteral("K%1 A%1 B%1").arg(k);
    c.putPrintFile(printFileWithCallNumbers(callNumbers));
    c.putDefaultCoordinates();
    QTemporaryDir out;
    const ProcessRun run =
        runLomos({"--pdf", out.filePath("l.pdf"), "--font-size", "10", "--paper", "letter"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Se han generado 70 etiquetas\n"));
    const PdfText text = readPdfWords(out.filePath("l.pdf"));
    ASSERT_TRUE(text.ok) << text.error.toStdString();
    EXPECT_EQ(text.pages, 3);
    EXPECT_NEAR(text.pageHeightCm, 27.94, 0.01);
    EXPECT_NEAR(text.words[0].yMaxCm - text.words[0].yMinCm, 0.40, 0.02);  // 10 points, not 8
    const lomos::CoordinateTable t = lomos::defaultCoordinateTable();
    for (int k = 0; k < 70; ++k) {
        const QString id = QString::number(k);
        const double x = t.x[k % 33].toDouble(), y = t.y[k % 33].toDouble();
        for (int line = 0; line < 3; ++line) {
            const QString word = QString("KAB"[line]) + id;
            expectWordAt(text, word, k / 33 + 1, x, y + 0.3 * line);
        }
    }
}

TEST(FichasPdf, SeventyTwoLabelsLandAtTheirPlacesOnTwoFullSheets) {
    TempDriveC c;
    QByteArray items = printFileWithFullItems(72);
    c.putPrintFile(items.replace("</z30-call-no>", " L</z30-call-no>"));  // two lines each
    QTemporaryDir out;
    const ProcessRun run = runFichas({"--pdf", out.filePath("f.pdf")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Se han generado 72 etiquetas\n"));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const PdfText text = readPdfWords(out.filePath("f.pdf"));
    EXPECT_EQ(text.pages, 2);  // and no blank third
    EXPECT_EQ(text.find("L").size(), 72);
    const fichas::SheetPlaces places = fichas::printedPlaces();
    for (int k = 0; k < 72; ++k) {
        const int page = k / 36 + 1;
        const double x = places.x[size_t(k % 36)], y = places.y[size_t(k % 36)];
        const QString id = QString::number(k);
        expectWordAt(text, "K" + id, page, x, y);
        expectWordAt(text, "B" + id, page, x + 1.5, y);
        expectWordAt(text, "A" + id, page, x + 1, y + 0.5);
        expectWordAt(text, "T" + id, page, x + 1, y + 0.8);
    }
}

TEST(PdfSurface, ASecondEndLeavesTheFileAsTheFirstWroteIt) {
    QTemporaryDir out;
    PdfSurface pdf(out.filePath("d.pdf"), PdfSurface::Paper::A4);
    pdf.setCurrentX(2);
    pdf.setCurrentY(3);
    ASSERT_TRUE(pdf.print("QA76") && pdf.endDoc());
    EXPECT_TRUE(pdf.endDoc());
    expectWordAt(readPdfWords(out.filePath("d.pdf")), "QA76", 1, 2, 3);
}

TEST(FichasPdf, ListsOutOfStepAreWarnedAndTheJobGoesOn) {
    TempDriveC c;
    c.putPrintFile(printFileWithFullItems(2) + "<z30-call-no>X</z30-call-no>\r\n");
    QTemporaryDir out;
    const ProcessRun run = runFichas({"--pdf", out.filePath("m.pdf")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("Se han generado 3 etiquetas\n"));
    EXPECT_TRUE(run.err.contains(
        QStringLiteral("2 códigos de barras, 3 clasificaciones, 2 títulos y 2 autores")));
    EXPECT_TRUE(QFileInfo::exists(out.filePath("m.pdf")));
}

struct ExitCase {
    const char* name;
    const char* settings;  // the settings file's bytes, or null for a print file of one item
    QStringList options;   // after --pdf FILE
    bool pdfIsAFolder;
    int exitCode;
    const char* message;                  // the start of what goes to standard error
    const char* fichasMessage = nullptr;  // when fichas says something else
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
    const bool fichas = QString::fromUtf8(program) == QStringLiteral(FICHAS_EXE);
    const char* message = fichas && c.fichasMessage ? c.fichasMessage : c.message;
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(message))) << run.err.toStdString();
    if (c.exitCode != 0) {
        EXPECT_FALSE(QFileInfo(pdf).isFile());
    }
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Programs, ExitStatus, testing::Combine(
    testing::Values(LOMOS_EXE, FICHAS_EXE), testing::Values(
        ExitCase{"wrong_paper", nullptr, {"--paper", "a3"}, false, 1, "Papel no válido: a3"},
        ExitCase{"unknown_option", nullptr, {"--imprimir"}, false, 1, "Opción desconocida"},
        ExitCase{"font_size_not_a_number", nullptr, {"--font-size", "x"}, false, 1,
                 "Tamaño de letra no válido: x", "Opción desconocida: --font-size"},
        ExitCase{"missing_settings", "\r\nBIB50\r\n", {}, false, 2, "Falta especificar información"},
        ExitCase{"unreadable_print_file", "NOESTA\r\nBIB50\r\n", {}, false, 3,
                 "No se pudo leer el archivo de etiquetas:\n"},
        ExitCase{"pdf_not_written", nullptr, {}, true, 4, "No se pudo escribir el PDF"},
        ExitCase{"start_past_the_sheet", nullptr, {"--start", "37"}, false, 1, "La etiqueta «37» no existe"},
        ExitCase{"label_past_the_list", nullptr, {"--labels", "1,2"}, false, 1, "La etiqueta 2 no está en la lista: hay 1"},
        ExitCase{"copies_100", nullptr, {"--copies", "100"}, false, 1, "Número de copias no válido: «100»"},
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

// A stock of the catalogue: every word of label k inside the k-th free label
// of the product's sheets, and so in no other.
struct StockCase {
    const char* name;
    const char* program;
    const char* stock;
    int labels;
    int start;  // the first free label, from 1
};
class StockPdf : public testing::TestWithParam<StockCase> {};
TEST_P(StockPdf, EveryLabelWithinItsOwn) {
    const StockCase& s = GetParam();
    const bool fichas = QString::fromUtf8(s.program) == QStringLiteral(FICHAS_EXE);
    TempDriveC c;
    QStringList callNumbers;
    for (int k = 0; k < s.labels; ++k) callNumbers << QStringLiteral("K%1 A%1").arg(k);
    c.putPrintFile(fichas ? printFileWithFullItems(s.labels) : printFileWithCallNumbers(callNumbers));
    QTemporaryDir out;
    const ProcessRun run = runProcess(s.program, {"--pdf", out.filePath("s.pdf"), "--stock", s.stock,
                                                  "--start", QString::number(s.start)});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const Stock stock = *catalogue::read(QStringLiteral(CATALOGUE_DIR)).find(s.stock);
    const PdfText text = readPdfWords(out.filePath("s.pdf"));
    EXPECT_NEAR(text.pageWidthCm, stock.paperWidthMm / 10, 0.01);
    const int places = stock.shape().places();
    EXPECT_EQ(text.pages, (s.labels + s.start - 2) / places + 1);
    for (int k = 0; k < s.labels; ++k) {
        const int at = k + s.start - 1;  // from the first place of the first sheet
        const QString id = QString::number(k);
        for (const QString& word : fichas ? QStringList{"B" + id, "K" + id, "A" + id, "T" + id}
                                          : QStringList{"K" + id, "A" + id}) {
            const QList<PdfWord> found = text.find(word);
            ASSERT_EQ(found.size(), 1) << word.toStdString();
            const PdfWord& w = found[0];
            const double left = stock.labelLeftCm(at % places), top = stock.labelTopCm(at % places);
            EXPECT_EQ(w.page, at / places + 1) << word.toStdString();
            EXPECT_TRUE(w.xMinCm >= left && w.xMaxCm <= left + stock.labelWidthMm / 10 &&
                        w.yMinCm >= top && w.yMaxCm <= top + stock.labelHeightMm / 10)
                << word.toStdString() << " at " << w.xMinCm << ", " << w.yMinCm;
        }
    }
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Catalogue, StockPdf, testing::Values(
    StockCase{"lomos_four_columns", LOMOS_EXE, "Herma 4102", 50, 3},
    StockCase{"lomos_five_by_thirteen", LOMOS_EXE, "Herma 4606", 70, 1},
    StockCase{"fichas_twenty_four", FICHAS_EXE, "Zweckform 3474", 30, 2},
    StockCase{"fichas_ten_on_letter", FICHAS_EXE, "Avery 5163", 12, 1}),
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
