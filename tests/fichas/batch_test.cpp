#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "pdfwords.h"
#include "testenv.h"

namespace {

constexpr double kTolCm = 0.01;  // 0.1 mm

ProcessRun runFichas(const QStringList& args) { return runProcess(QStringLiteral(FICHAS_EXE), args); }

// Item k: call number "Kk Lk", barcode "Bk", author "Ak", title "Tk"; every
// fifth has a two-line author and every third a two-line title.
QByteArray items(int n) {
    QByteArray out;
    for (int k = 0; k < n; ++k) {
        const QByteArray id = QByteArray::number(k);
        QByteArray author = "A" + id;
        if (k % 5 == 0) author += QByteArray(36, 'a') + " Z" + id;  // wraps after the blank
        QByteArray title = "T" + id;
        if (k % 3 == 0) title += QByteArray(24, 't') + " U" + id;
        out += "<z30-call-no>K" + id + " L" + id + "</z30-call-no>\r\n<z30-barcode>B" + id +
               "</z30-barcode>\r\n<z13-author>" + author + "</z13-author>\r\n<z13-title>" + title +
               "</z13-title>\r\n";
    }
    return out;
}

double placeX(int p) { return std::array<double, 3>{0.8, 7.2, 13.7}[p % 3]; }
double placeY(int p) {
    return std::array<double, 12>{2.6, 5.1, 7.6, 10.0, 12.5, 14.8, 17.2, 19.7, 22.2, 24.4, 26.8, 29.2}[p / 3] - 2.5;
}

}  // namespace

TEST(FichasPdf, EightyLabelsLandAtTheirPlacesOnThreeSheets) {
    TempDriveC c;
    c.putPrintFile(items(80));
    QTemporaryDir out;
    const QString pdf = out.filePath("fichas.pdf");
    const ProcessRun run = runFichas({"--pdf", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Se han generado 80 etiquetas\n"));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();

    const PdfText text = readPdfWords(pdf);
    ASSERT_TRUE(text.ok);
    EXPECT_EQ(text.pages, 3);
    double worst = 0;
    auto check = [&](const QString& word, int page, double x, double y) {
        const auto found = text.find(word);
        ASSERT_EQ(found.size(), 1) << word.toStdString();
        EXPECT_EQ(found[0].page, page) << word.toStdString();
        const double dx = std::abs(found[0].xMinCm - x);
        const double dy = std::abs(found[0].yMinCm - y);
        EXPECT_LT(dx, kTolCm) << word.toStdString();
        EXPECT_LT(dy, kTolCm) << word.toStdString();
        worst = std::max({worst, dx, dy});
    };
    for (int k = 0; k < 80; ++k) {
        const int page = k / 36 + 1;
        const double x = placeX(k % 36);
        const double y = placeY(k % 36);
        const QString id = QString::number(k);
        check("K" + id, page, x, y);
        check("L" + id, page, x, y + 0.3);
        check("B" + id, page, x + 1.5, y);
        const bool twoLineAuthor = k % 5 == 0;
        check(twoLineAuthor ? "A" + id + QString(36, u'a') : "A" + id, page, x + 1, y + 0.5);
        if (twoLineAuthor) check("Z" + id, page, x + 1, y + 0.8);
        const double offset = twoLineAuthor ? 0.3 : 0;
        const bool twoLineTitle = k % 3 == 0;
        check(twoLineTitle ? "T" + id + QString(24, u't') : "T" + id, page, x + 1, y + 0.8 + offset);
        if (twoLineTitle) check("U" + id, page, x + 1, y + 1.1 + offset);
    }
    RecordProperty("worst_error_mm", QString::number(worst * 10, 'f', 4).toStdString());
}

TEST(FichasPdf, MismatchIsWarnedAndTheRunGoesOn) {
    TempDriveC c;
    c.putPrintFile(items(2) + "<z30-call-no>X</z30-call-no>\r\n");
    QTemporaryDir out;
    const ProcessRun run = runFichas({"--pdf", out.filePath("m.pdf"), "--paper", "letter"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("Se han generado 3 etiquetas\n"));
    EXPECT_TRUE(run.err.contains(QStringLiteral("se encontraron 2 códigos de barras, 3 clasificaciones, 2 títulos y 2 autores")))
        << run.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(out.filePath("m.pdf")));
}

TEST(FichasPdf, MessagesAndOptions) {
    TempDriveC c;
    QTemporaryDir out;
    c.putSettings("CLIENTE", "");
    ProcessRun run = runFichas({"--pdf", out.filePath("x.pdf")});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Falta especificar información")));
    c.putSettings("CLIENTE", "NADA");
    run = runFichas({"--pdf", out.filePath("x.pdf")});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("No se pudo leer el archivo de etiquetas:")));
    EXPECT_EQ(runFichas({"--help"}).exitCode, 0);
    EXPECT_TRUE(runFichas({"--help"}).out.contains(QStringLiteral("Uso: fichas --pdf ARCHIVO.pdf")));
    EXPECT_NE(runFichas({"--pdf", "x.pdf", "--font-size", "9"}).exitCode, 0);  // not an option here
}
