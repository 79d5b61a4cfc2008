#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "paintersurface.h"
#include "pdfwords.h"
#include "recordingsurface.h"

namespace {
constexpr double kTolCm = 0.01;  // 0.1 mm
}

TEST(Fonts, TimesNewRomanIsAMetricCompatibleSerifFace) {
    // "Times NEw Roman" is how the printing code spells it.
    for (const char* name : {"Times New Roman", "Times NEw Roman", "times new roman"}) {
        QFont font(QString::fromLatin1(name));
        font.setPointSizeF(8);
        font.setBold(true);
        const QFontInfo info(font);
        EXPECT_EQ(info.family(), QStringLiteral("Liberation Serif")) << name;
        EXPECT_TRUE(info.bold());
    }
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("arial"))).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial Narrow"))).family(),
              QStringLiteral("Liberation Sans Narrow"));
}

TEST(PdfSurface, TextLandsAtItsPositionFromThePageCorner) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.pdf"));
    PdfSurface pdf(path, PdfSurface::Paper::A4);
    pdf.setBold(true);
    pdf.setFontName(QStringLiteral("Times NEw Roman"));
    ASSERT_TRUE(pdf.setFontSize(8));
    pdf.setCurrentX(2.8);
    pdf.setCurrentY(12.28);
    ASSERT_TRUE(pdf.print(QStringLiteral("QA76.73")));
    // Print moved to X 0, one line lower.
    EXPECT_EQ(pdf.currentX(), 0);
    EXPECT_GT(pdf.currentY(), 12.28 + 0.25);
    ASSERT_TRUE(pdf.print(QStringLiteral("second")));
    ASSERT_TRUE(pdf.newPage());
    pdf.setCurrentX(15.7);
    pdf.setCurrentY(25.7);
    ASSERT_TRUE(pdf.print(QStringLiteral("page2")));
    ASSERT_TRUE(pdf.newPage());  // right before the end: no blank sheet
    ASSERT_TRUE(pdf.endDoc());
    ASSERT_TRUE(pdf.endDoc());  // a second end leaves the file as it is

    const PdfText text = readPdfWords(path);
    ASSERT_TRUE(text.ok) << text.error.toStdString();
    EXPECT_EQ(text.pages, 2);
    EXPECT_NEAR(text.pageWidthCm, 21.0, 0.01);
    const auto first = text.find(QStringLiteral("QA76.73"), 1);
    ASSERT_EQ(first.size(), 1);
    EXPECT_NEAR(first[0].xMinCm, 2.8, kTolCm);
    EXPECT_NEAR(first[0].yMinCm, 12.28, kTolCm);
    const auto second = text.find(QStringLiteral("second"), 1);
    ASSERT_EQ(second.size(), 1);
    EXPECT_NEAR(second[0].xMinCm, 0, kTolCm);
    const auto onPage2 = text.find(QStringLiteral("page2"), 2);
    ASSERT_EQ(onPage2.size(), 1);
    EXPECT_NEAR(onPage2[0].xMinCm, 15.7, kTolCm);
    EXPECT_NEAR(onPage2[0].yMinCm, 25.7, kTolCm);
}

TEST(PdfSurface, LargerSizeGivesLargerText) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.pdf"));
    PdfSurface pdf(path, PdfSurface::Paper::Letter);
    pdf.setFontSize(8);
    pdf.setCurrentY(1);
    pdf.print(QStringLiteral("small"));
    pdf.setFontSize(10);
    pdf.setCurrentY(5);
    pdf.print(QStringLiteral("large"));
    ASSERT_TRUE(pdf.endDoc());
    const PdfText text = readPdfWords(path);
    ASSERT_TRUE(text.ok);
    EXPECT_NEAR(text.pageWidthCm, 21.59, 0.01);
    const auto small = text.find(QStringLiteral("small"));
    const auto large = text.find(QStringLiteral("large"));
    ASSERT_EQ(small.size(), 1);
    ASSERT_EQ(large.size(), 1);
    const double ratio = (large[0].yMaxCm - large[0].yMinCm) / (small[0].yMaxCm - small[0].yMinCm);
    EXPECT_NEAR(ratio, 10.0 / 8.0, 0.03);
}

TEST(PdfSurface, NothingDrawnStillWritesOnePage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.pdf"));
    PdfSurface pdf(path, PdfSurface::Paper::A4);
    ASSERT_TRUE(pdf.endDoc());
    const PdfText text = readPdfWords(path);
    ASSERT_TRUE(text.ok);
    EXPECT_EQ(text.pages, 1);
    EXPECT_TRUE(text.words.isEmpty());
}

TEST(PdfSurface, UnwritableFileFailsAndSaysSo) {
    QTemporaryDir dir;
    // A folder stands where the file should go.
    const QString path = dir.filePath(QStringLiteral("taken"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken")));
    PdfSurface pdf(path, PdfSurface::Paper::A4);
    EXPECT_FALSE(pdf.print(QStringLiteral("x")));
    EXPECT_FALSE(pdf.endDoc());
    EXPECT_TRUE(pdf.deviceFailed());
    EXPECT_FALSE(pdf.error().isEmpty());
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST(DrawingSurface, OperationsThatCannotBeDoneChangeNothing) {
    RecordingSurface s;
    ASSERT_TRUE(s.setFontSize(9));
    EXPECT_FALSE(s.setFontSize(0));
    EXPECT_FALSE(s.setFontSize(-3));
    EXPECT_FALSE(s.setFontSize(1e9));
    EXPECT_EQ(s.fontSize(), 9);
    ASSERT_TRUE(s.setCurrentX(3));
    EXPECT_FALSE(s.setCurrentX(std::nan("")));
    EXPECT_EQ(s.currentX(), 3);
    EXPECT_FALSE(s.setScaleMode(1));
    EXPECT_TRUE(s.setScaleMode(DrawingSurface::kCentimetres));
}

TEST(DrawingSurface, EmptyPrintOnlyMoves) {
    RecordingSurface s;
    s.setFontSize(10);
    s.setCurrentX(4);
    s.setCurrentY(1);
    ASSERT_TRUE(s.print(QString()));
    EXPECT_TRUE(s.lines().isEmpty());
    EXPECT_EQ(s.currentX(), 0);
    EXPECT_NEAR(s.currentY(), 1 + RecordingSurface::lineSpacingFor(10), 1e-9);
}

TEST(ImageSurface, DrawsAtTheImagesResolutionAndClears) {
    QImage image(400, 400, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    ImageSurface surface(image);
    surface.setFontSize(20);
    surface.setCurrentX(2.54);  // 96 pixels
    surface.setCurrentY(2.54);
    ASSERT_TRUE(surface.print(QStringLiteral("MMMM")));
    // Ink only right of and below (96, 96).
    int minX = 400, minY = 400;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 400; ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                minX = std::min(minX, x);
                minY = std::min(minY, y);
            }
        }
    }
    EXPECT_NEAR(minX, 96, 3);
    EXPECT_GE(minY, 96);
    EXPECT_LT(minY, 96 + 12);
    ASSERT_TRUE(surface.cls());
    EXPECT_EQ(image.pixel(minX + 1, minY + 1), QColor(Qt::white).rgb());
    EXPECT_EQ(surface.currentY(), 0);
}
