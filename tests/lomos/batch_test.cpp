#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "coordinates.h"
#include "pdfwords.h"
#include "testenv.h"

namespace {

constexpr double kTolCm = 0.01;  // 0.1 mm

ProcessRun runLomos(const QStringList& args) { return runProcess(QStringLiteral(LOMOS_EXE), args); }

// Call numbers of n labels with three parts each: "K<k>", "A<k>", "B<k>".
QStringList threePartLabels(int n) {
    QStringList list;
    for (int k = 0; k < n; ++k) list << QStringLiteral("K%1 A%1 B%1").arg(k);
    return list;
}

}  // namespace

TEST(LomosPdf, SeventyLabelsLandAtTheirCoordinatesOnThreeSheets) {
    TempDriveC c;
    c.putPrintFile(printFileWithCallNumbers(threePartLabels(70)));
    c.putDefaultCoordinates();
    QTemporaryDir out;
    const QString pdf = out.filePath("lomos.pdf");
    const ProcessRun run = runLomos({"--pdf", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Se han generado 70 etiquetas\n"));

    const PdfText text = readPdfWords(pdf);
    ASSERT_TRUE(text.ok) << text.error.toStdString();
    EXPECT_EQ(text.pages, 3);
    EXPECT_NEAR(text.pageHeightCm, 29.7, 0.01);
    EXPECT_EQ(text.words.size(), 70 * 3);
    const CoordinateTable t = defaultCoordinateTable();
    double worst = 0;
    for (int k = 0; k < 70; ++k) {
        const double x = t.x[k % 33].toDouble();
        const double y = t.y[k % 33].toDouble();
        const QString names[] = {QStringLiteral("K%1").arg(k), QStringLiteral("A%1").arg(k),
                                 QStringLiteral("B%1").arg(k)};
        for (int line = 0; line < 3; ++line) {
            const auto words = text.find(names[line]);
            ASSERT_EQ(words.size(), 1) << names[line].toStdString();
            EXPECT_EQ(words[0].page, k / 33 + 1);
            const double dx = std::abs(words[0].xMinCm - x);
            const double dy = std::abs(words[0].yMinCm - (y + 0.3 * line));
            EXPECT_LT(dx, kTolCm) << names[line].toStdString();
            EXPECT_LT(dy, kTolCm) << names[line].toStdString();
            worst = std::max({worst, dx, dy});
        }
    }
    RecordProperty("worst_error_mm", QString::number(worst * 10, 'f', 4).toStdString());
}

TEST(LomosPdf, FontSizeAndPaper) {
    TempDriveC c;
    c.putPrintFile(printFileWithCallNumbers({"SMALL", "BIG"}));
    c.putDefaultCoordinates();
    QTemporaryDir out;
    const ProcessRun eight = runLomos({"--pdf", out.filePath("8.pdf")});
    const ProcessRun ten = runLomos({"--pdf", out.filePath("10.pdf"), "--font-size", "10", "--paper", "letter"});
    ASSERT_EQ(eight.exitCode, 0);
    ASSERT_EQ(ten.exitCode, 0);
    const PdfText a = readPdfWords(out.filePath("8.pdf"));
    const PdfText b = readPdfWords(out.filePath("10.pdf"));
    ASSERT_EQ(a.words.size(), 2);
    ASSERT_EQ(b.words.size(), 2);
    EXPECT_NEAR(b.pageHeightCm, 27.94, 0.01);
    const double h8 = a.words[0].yMaxCm - a.words[0].yMinCm;
    const double h10 = b.words[0].yMaxCm - b.words[0].yMinCm;
    EXPECT_NEAR(h10 / h8, 1.25, 0.03);
    EXPECT_NEAR(b.words[1].xMinCm, 9.2, kTolCm);  // positions do not move with the size
}

TEST(LomosPdf, MessagesGoToStandardErrorWithAFailingStatus) {
    TempDriveC c;
    QTemporaryDir out;
    const QString pdf = out.filePath("x.pdf");

    c.putSettings("", "BIB50");
    ProcessRun run = runLomos({"--pdf", pdf});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Falta especificar información")));
    EXPECT_TRUE(run.out.isEmpty());

    c.putSettings("NOESTA", "BIB50");
    run = runLomos({"--pdf", pdf});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("No se pudo leer el archivo de etiquetas:\n") +
                                 c.file("NOESTA/CATALOG/FILES/BIB50/PRINT/itemlbl.prn")))
        << run.err.toStdString();

    c.putPrintFile(printFileWithCallNumbers({"A"}));
    QDir().mkpath(pdf);  // a folder where the PDF should go
    run = runLomos({"--pdf", pdf});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("No se pudo escribir el PDF"))) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pdf + "/x.pdf"));
}

TEST(LomosPdf, HelpAndBadOptions) {
    const ProcessRun help = runLomos({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("Uso: lomos --pdf ARCHIVO.pdf")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("tamaño de la letra")));
    EXPECT_NE(runLomos({"--pdf"}).exitCode, 0);
    EXPECT_NE(runLomos({"--pdf", "x.pdf", "--paper", "a3"}).exitCode, 0);
    EXPECT_NE(runLomos({"--pdf", "x.pdf", "--font-size", "grande"}).exitCode, 0);
    EXPECT_NE(runLomos({"--imprimir"}).exitCode, 0);
}
