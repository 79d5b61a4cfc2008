// The windowless job of both programs, run as a person would run it, and the
// PDF read back with pdftotext: every line within 0.1 mm of its place.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "SOLO_CLASIF/core/coordinates.h"
#include "common/paint/paintersurface.h"
#include "pdfwords.h"
#include "testenv.h"

namespace {

constexpr double kTolCm = 0.01;  // 0.1 mm

ProcessRun runLomos(const QStringList& args) { return runProcess(QStringLiteral(LOMOS_EXE), args); }
ProcessRun runFichas(const QStringList& args) { return runProcess(QStringLiteral(FICHAS_EXE), args); }

// Checks that `word` stands once, on `page`, with its top-left corner at (x, y).
double expectWordAt(const PdfText& text, const QString& word, int page, double xCm, double yCm) {
    const auto found = text.find(word);
    if (found.size() != 1) {
        ADD_FAILURE() << word.toStdString() << " found " << found.size() << " times";
        return 1;
    }
    EXPECT_EQ(found[0].page, page) << word.toStdString();
    const double error = std::max(std::abs(found[0].xMinCm - xCm), std::abs(found[0].yMinCm - yCm));
    EXPECT_LT(error, kTolCm) << word.toStdString() << " at " << found[0].xMinCm << ", " << found[0].yMinCm;
    return error;
}

}  // namespace

TEST(LomosPdf, SeventyLabelsLandAtTheirCoordinatesOnThreeSheets) {
    TempDriveC c;
    QStringList callNumbers;
    for (int k = 0; k < 70; ++k) callNumbers << QStringLiteral("K%1 A%1 B%1").arg(k);
    c.putPrintFile(printFileWithCallNumbers(callNumbers));
    c.putDefaultCoordinates();
    QTemporaryDir out;
    const ProcessRun run = runLomos({"--pdf", out.filePath("l.pdf")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Se han generado 70 etiquetas\n"));
    const PdfText text = readPdfWords(out.filePath("l.pdf"));
    ASSERT_TRUE(text.ok) << text.error.toStdString();
    EXPECT_EQ(text.pages, 3);
    EXPECT_NEAR(text.pageHeightCm, 29.7, 0.01);
    const lomos::CoordinateTable t = lomos::defaultCoordinateTable();
    double worst = 0;
    for (int k = 0; k < 70; ++k) {
        const QString id = QString::number(k);
        const double x = t.x[k % 33].toDouble(), y = t.y[k % 33].toDouble();
        for (int line = 0; line < 3; ++line) {
            const QString word = QString("KAB"[line]) + id;
            worst = std::max(worst, expectWordAt(text, word, k / 33 + 1, x, y + 0.3 * line));
        }
    }
    RecordProperty("worst_error_mm", QString::number(worst * 10, 'f', 4).toStdString());
}

TEST(LomosPdf, FontSizeAndLetterPaper) {
    TempDriveC c;
    c.putPrintFile(printFileWithCallNumbers({"SMALL", "BIG"}));
    c.putDefaultCoordinates();
    QTemporaryDir out;
    ASSERT_EQ(runLomos({"--pdf", out.filePath("8.pdf")}).exitCode, 0);
    ASSERT_EQ(runLomos({"--pdf", out.filePath("10.pdf"), "--font-size", "10", "--paper", "letter"}).exitCode, 0);
    const PdfText a = readPdfWords(out.filePath("8.pdf"));
    const PdfText b = readPdfWords(out.filePath("10.pdf"));
    ASSERT_EQ(b.words.size(), 2);
    EXPECT_NEAR(b.pageHeightCm, 27.94, 0.01);
    EXPECT_NEAR((b.words[0].yMaxCm - b.words[0].yMinCm) / (a.words[0].yMaxCm - a.words[0].yMinCm), 1.25, 0.03);
    EXPECT_NEAR(b.words[1].xMinCm, 9.2, kTolCm);  // positions do not move with the size
}

TEST(FichasPdf, EightyLabelsLandAtTheirPlacesOnThreeSheets) {
    TempDriveC c;
    // Item k: call number "Kk Lk", barcode "Bk", author "Ak", title "Tk"; every
    // fifth has a two-line author and every third a two-line title.
    QByteArray items;
    for (int k = 0; k < 80; ++k) {
        const QByteArray id = QByteArray::number(k);
        const QByteArray author = "A" + id + (k % 5 == 0 ? QByteArray(36, 'a') + " Z" + id : "");
        const QByteArray title = "T" + id + (k % 3 == 0 ? QByteArray(24, 't') + " U" + id : "");
        items += "<z30-call-no>K" + id + " L" + id + "</z30-call-no>\r\n<z30-barcode>B" + id +
                 "</z30-barcode>\r\n<z13-author>" + author + "</z13-author>\r\n<z13-title>" + title + "</z13-title>\r\n";
    }
    c.putPrintFile(items);
    QTemporaryDir out;
    const ProcessRun run = runFichas({"--pdf", out.filePath("f.pdf")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Se han generado 80 etiquetas\n"));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const PdfText text = readPdfWords(out.filePath("f.pdf"));
    ASSERT_TRUE(text.ok);
    EXPECT_EQ(text.pages, 3);
    const double rows[] = {2.6, 5.1, 7.6, 10.0, 12.5, 14.8, 17.2, 19.7, 22.2, 24.4, 26.8, 29.2};
    double worst = 0;
    for (int k = 0; k < 80; ++k) {
        const int page = k / 36 + 1;
        const double x = std::array{0.8, 7.2, 13.7}[k % 3], y = rows[(k % 36) / 3] - 2.5;
        const QString id = QString::number(k);
        const bool twoLineAuthor = k % 5 == 0, twoLineTitle = k % 3 == 0;
        const double titleY = y + 0.8 + (twoLineAuthor ? 0.3 : 0);
        const auto at = [&](const QString& word, double wx, double wy) {
            worst = std::max(worst, expectWordAt(text, word, page, wx, wy));
        };
        at("K" + id, x, y);
        at("L" + id, x, y + 0.3);
        at("B" + id, x + 1.5, y);
        at("A" + id + (twoLineAuthor ? QString(36, u'a') : QString()), x + 1, y + 0.5);
        if (twoLineAuthor) at("Z" + id, x + 1, y + 0.8);
        at("T" + id + (twoLineTitle ? QString(24, u't') : QString()), x + 1, titleY);
        if (twoLineTitle) at("U" + id, x + 1, titleY + 0.3);
    }
    RecordProperty("worst_error_mm", QString::number(worst * 10, 'f', 4).toStdString());
}

TEST(FichasPdf, ListsOutOfStepAreWarnedAndTheJobGoesOn) {
    TempDriveC c;
    c.putPrintFile(printFileWithFullItems(2) + "<z30-call-no>X</z30-call-no>\r\n");
    QTemporaryDir out;
    const ProcessRun run = runFichas({"--pdf", out.filePath("m.pdf")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("Se han generado 3 etiquetas\n"));
    EXPECT_TRUE(run.err.contains(QStringLiteral("2 códigos de barras, 3 clasificaciones, 2 títulos y 2 autores")));
    EXPECT_TRUE(QFileInfo::exists(out.filePath("m.pdf")));
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
    if (c.settings) {
        drive.write("ini.prn", c.settings);
    } else {
        drive.putPrintFile(printFileWithFullItems(1));
    }
    QTemporaryDir out;
    const QString pdf = out.filePath("x.pdf");
    if (c.pdfIsAFolder) QDir().mkpath(pdf);
    const ProcessRun run = runProcess(QString::fromUtf8(program), QStringList{"--pdf", pdf} + c.options);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(c.message))) << run.err.toStdString();
    if (c.exitCode != 0) EXPECT_FALSE(QFileInfo(pdf).isFile());
}
INSTANTIATE_TEST_SUITE_P(
    Programs, ExitStatus,
    testing::Combine(
        testing::Values(LOMOS_EXE, FICHAS_EXE),
        testing::Values(ExitCase{"wrong_paper", nullptr, {"--paper", "a3"}, false, 1, "Papel no válido: a3"},
                        ExitCase{"unknown_option", nullptr, {"--imprimir"}, false, 1, "Opción desconocida"},
                        ExitCase{"missing_settings", "\r\nBIB50\r\n", {}, false, 2, "Falta especificar información"},
                        ExitCase{"unreadable_print_file", "NOESTA\r\nBIB50\r\n", {}, false, 3,
                                 "No se pudo leer el archivo de etiquetas:\n"},
                        ExitCase{"pdf_not_written", nullptr, {}, true, 4, "No se pudo escribir el PDF"})),
    [](const auto& info) {
        return std::string(info.index < 5 ? "lomos_" : "fichas_") + std::get<1>(info.param).name;
    });

TEST(Options, HelpAndTheFontSizeOfLomosOnly) {
    EXPECT_TRUE(runLomos({"--help"}).out.startsWith(QStringLiteral("Uso: lomos --pdf ARCHIVO.pdf [--font-size N]")));
    EXPECT_TRUE(runFichas({"--help"}).out.startsWith(QStringLiteral("Uso: fichas --pdf ARCHIVO.pdf [--paper")));
    EXPECT_EQ(runLomos({"--pdf", "x.pdf", "--font-size", "grande"}).exitCode, 1);
    EXPECT_EQ(runFichas({"--pdf", "x.pdf", "--font-size", "9"}).exitCode, 1);
}

TEST(PdfSurface, NoBlankSheetAtTheEndAndASecondEndKeepsTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.pdf"));
    PdfSurface pdf(path, PdfSurface::Paper::A4);
    pdf.setCurrentX(15.7);
    pdf.setCurrentY(25.7);
    ASSERT_TRUE(pdf.print(QStringLiteral("page1")));
    EXPECT_EQ(pdf.currentX(), 0);  // Print moves to the left edge, one line lower
    EXPECT_GT(pdf.currentY(), 25.7 + 0.25);
    ASSERT_TRUE(pdf.newPage());
    ASSERT_TRUE(pdf.endDoc());
    ASSERT_TRUE(pdf.endDoc());
    const PdfText text = readPdfWords(path);
    EXPECT_EQ(text.pages, 1);
    EXPECT_EQ(text.words.size(), 1);
}
