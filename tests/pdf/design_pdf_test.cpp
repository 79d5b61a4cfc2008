// Designs end to end: the windowless job with --design, its PDF read back
// with pdftotext, and its barcodes rendered at 600 dpi and read back with a
// real decoder.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "common/core/sheets/catalogue.h"
#include "pdfwords.h"
#include "testenv.h"

namespace {

// 33 labels of 70 x 25.4 mm, as the template lays them out: x0 0, y0 8.8 mm.
constexpr const char* kStock = "Igepa EA-700x254";
constexpr double kLabelWidthCm = 7.0, kLabelHeightCm = 2.54, kTopCm = 0.88;
constexpr double kTolCm = 0.02;  // 0.2 mm

// A print file of items with a real barcode, a call number and a library.
QByteArray items(int n) {
    QByteArray file = "<printout>\r\n";
    for (int k = 0; k < n; ++k) {
        file += "<section-02>\r\n<z30-call-no>HU 86" + QByteArray::number(k) +
                " CER qui</z30-call-no>\r\n<z30-barcode>" +
                QByteArray::number(3900347712000LL + k) +
                "</z30-barcode>\r\n<z13-author>Cervantes</z13-author>\r\n<z13-title>Novelas "
                "ejemplares</z13-title>\r\n<z30-sub-library>Biblioteca Central</z30-sub-library>\r\n"
                "</section-02>\r\n";
    }
    return file + "</printout>\r\n";
}

struct Job {
    ProcessRun run;
    QString pdf;
};

Job runWithDesign(const TempDriveC& drive, const QString& program, const QByteArray& design,
                  const QString& name) {
    QStringList options{"--pdf", drive.file(name + ".pdf"), "--stock", kStock};
    if (!design.isNull()) {
        drive.write(name + ".ini", design);
        options << "--design" << drive.file(name + ".ini");
    }
    return {runProcess(program, options), drive.file(name + ".pdf")};
}

bool hasCatalogue() { return QFileInfo::exists(QStringLiteral(CATALOGUE_DIR)); }

}  // namespace

// A centred design on a stock: every line's middle within 0.2 mm of its
// label's, the library's short code above, "HU" dropped, capitals.
TEST(DesignPdf, CentredLinesOnTheMiddleOfTheirLabels) {
    if (!hasCatalogue()) GTEST_SKIP() << "no label catalogue here";
    TempDriveC drive;
    drive.putPrintFile(items(34));
    const Job job = runWithDesign(
        drive, LOMOS_EXE,
        "[tejuelo]\nalineacion = centro\nmayusculas = si\nquitar = HU\n"
        "encima = z30-sub-library\ntamano = 12\ninterlineado = fuente\n[siglas]\n"
        "Biblioteca Central = BC\n",
        "centred");
    ASSERT_EQ(job.run.exitCode, 0) << job.run.err.toStdString();
    const PdfText text = readPdfWords(job.pdf);
    ASSERT_EQ(text.pages, 2);
    QStringList seen;
    for (const PdfWord& w : text.words) {
        const int place = (w.page - 1) * 33 + int((w.yMinCm - kTopCm) / kLabelHeightCm) * 3 +
                          int(w.xMinCm / kLabelWidthCm);
        const double middle = (place % 3 + 0.5) * kLabelWidthCm;
        EXPECT_NEAR((w.xMinCm + w.xMaxCm) / 2, middle, kTolCm) << w.text.toStdString();
        if (place == 12) seen << w.text;
    }
    EXPECT_EQ(seen, (QStringList{"BC", "8612", "CER", "QUI"}));
}

// An empty section is no design: the same words in the same boxes.
TEST(DesignPdf, AnEmptySectionPrintsAsWithoutADesign) {
    if (!hasCatalogue()) GTEST_SKIP() << "no label catalogue here";
    TempDriveC drive;
    drive.putPrintFile(items(5));
    for (const char* program : {LOMOS_EXE, FICHAS_EXE}) {
        const Job plain = runWithDesign(drive, program, QByteArray(), "plain");
        const Job empty = runWithDesign(drive, program, "[tejuelo]\n[ficha]\n", "empty");
        ASSERT_EQ(empty.run.exitCode, 0) << empty.run.err.toStdString();
        const PdfText a = readPdfWords(plain.pdf), b = readPdfWords(empty.pdf);
        ASSERT_EQ(a.words.size(), b.words.size());
        for (qsizetype i = 0; i < a.words.size(); ++i) {
            EXPECT_EQ(a.words[i].text, b.words[i].text);
            EXPECT_DOUBLE_EQ(a.words[i].xMinCm, b.words[i].xMinCm);
            EXPECT_DOUBLE_EQ(a.words[i].yMinCm, b.words[i].yMinCm);
        }
    }
}

// Each label's symbol, cut out of the page rendered at 600 dpi, reads back
// as that label's barcode.
class Barcodes : public testing::TestWithParam<const char*> {};
TEST_P(Barcodes, ReadBackLabelByLabel) {
    if (!hasCatalogue()) GTEST_SKIP() << "no label catalogue here";
    TempDriveC drive;
    constexpr int kLabels = 6;
    drive.putPrintFile(items(kLabels));
    const Job job = runWithDesign(drive, FICHAS_EXE,
                                  QByteArray("[ficha]\ncodigo = ") + GetParam() + "\n", GetParam());
    ASSERT_EQ(job.run.exitCode, 0) << job.run.err.toStdString();
    EXPECT_TRUE(job.run.err.isEmpty()) << job.run.err.toStdString();
    constexpr double kDotsPerCm = 600 / 2.54;
    for (int k = 0; k < kLabels; ++k) {
        const QString png = drive.file(QStringLiteral("label%1").arg(k));
        QProcess::execute("pdftoppm",
                          {"-r", "600", "-gray", "-png", "-singlefile", "-x",
                           QString::number(int((k % 3) * kLabelWidthCm * kDotsPerCm)), "-y",
                           QString::number(int((kTopCm + (k / 3) * kLabelHeightCm) * kDotsPerCm)), "-W",
                           QString::number(int(kLabelWidthCm * kDotsPerCm)), "-H",
                           QString::number(int(kLabelHeightCm * kDotsPerCm)), job.pdf, png});
        QProcess zbar;
        zbar.start("zbarimg", {"--raw", "-q", png + ".png"});
        ASSERT_TRUE(zbar.waitForFinished(60000));
        EXPECT_EQ(QString::fromLatin1(zbar.readAllStandardOutput()).trimmed(),
                  QString::number(3900347712000LL + k));
    }
}
INSTANTIATE_TEST_SUITE_P(DesignPdf, Barcodes, testing::Values("code128", "code39"));

struct Refused {
    const char* name;
    QByteArray design;  // null: no file
    const char* message;
};
class RefusedDesigns : public testing::TestWithParam<std::tuple<const char*, Refused>> {};
// A design that is missing or refused stops the job before anything is
// written, naming the file or the key.
TEST_P(RefusedDesigns, StopTheJob) {
    const auto& [program, c] = GetParam();
    TempDriveC drive;
    drive.putPrintFile(items(1));
    if (!c.design.isNull()) drive.write("d.ini", c.design);
    const ProcessRun run = runProcess(
        program, {"--pdf", drive.file("d.pdf"), "--design", drive.file("d.ini")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("El diseño «%1» no se puede usar: %2\n")
                           .arg(drive.file("d.ini"), QString::fromUtf8(c.message)));
    EXPECT_FALSE(QFileInfo::exists(drive.file("d.pdf")));
}
INSTANTIATE_TEST_SUITE_P(
    DesignPdf, RefusedDesigns,
    testing::Combine(testing::Values(LOMOS_EXE, FICHAS_EXE),
                     testing::Values(Refused{"missing", QByteArray(), "no se puede leer el archivo"},
                                     Refused{"bad_symbology", "[ficha]\ncodigo = ean13\n",
                                             "línea 2: codigo: «ean13» no es ninguno de: texto, "
                                             "code128, code39, codabar"})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param) == std::string(LOMOS_EXE) ? "lomos_"
                                                                              : "fichas_") +
               std::get<1>(info.param).name;
    });
