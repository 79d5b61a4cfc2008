// The printer correction: fitted from crosses measured on a test sheet that a
// simulated printer moved, stretched and skewed, it puts every line of a job
// where the table says, through that printer.
#include "common/core/correction/correction.h"

#include <gtest/gtest.h>

#include "lomos/core/coordinates.h"
#include "recordingsurface.h"
#include "testenv.h"

namespace {

// Shifts 1.5 mm right and 0.8 mm down, shrinks 0.5 % across, stretches 1.2 %
// from top to bottom and skews a little, as a tray does.
const correction::Affine kPrinter{0.995, 0.002, 0.15, -0.001, 1.012, 0.08};

// Draws `walk` as it is and through the correction; every line and segment
// the corrected one drew, passed through the printer, is where the plain one
// put it. Measures of a simulated printer give the map exactly: what is left
// is rounding, far inside the 0.1 mm asked on paper.
constexpr double kTolCm = 1e-6;
void expectCorrected(const LabelWalk& walk, const correction::Affine& fitted, double left,
                     double top, int sheets) {
    RecordingSurface plain;
    printPages(walk, plain, FirstSheet(sheets));
    auto recorded = std::make_shared<RecordingSurface>();
    correction::CorrectedSurface corrected(recorded, fitted, left, top);
    printPages(walk, corrected, FirstSheet(sheets));
    auto landed = [&](double x, double y) {
        return std::pair(kPrinter.mapX(x + left, y + top) - left,
                         kPrinter.mapY(x + left, y + top) - top);
    };
    ASSERT_EQ(recorded->lines().size(), plain.lines().size());
    ASSERT_GT(plain.lines().size(), 0);
    for (qsizetype i = 0; i < plain.lines().size(); ++i) {
        const auto [x, y] = landed(recorded->lines()[i].xCm, recorded->lines()[i].yCm);
        EXPECT_NEAR(x, plain.lines()[i].xCm, kTolCm) << plain.lines()[i].text.toStdString();
        EXPECT_NEAR(y, plain.lines()[i].yCm, kTolCm) << plain.lines()[i].text.toStdString();
        EXPECT_EQ(recorded->lines()[i].sizePt, plain.lines()[i].sizePt);
    }
    ASSERT_EQ(recorded->segments().size(), plain.segments().size());
    for (qsizetype i = 0; i < plain.segments().size(); ++i) {
        const auto [x1, y1] = landed(recorded->segments()[i].x1Cm, recorded->segments()[i].y1Cm);
        const auto [x2, y2] = landed(recorded->segments()[i].x2Cm, recorded->segments()[i].y2Cm);
        EXPECT_NEAR(x1, plain.segments()[i].x1Cm, kTolCm);
        EXPECT_NEAR(y1, plain.segments()[i].y1Cm, kTolCm);
        EXPECT_NEAR(x2, plain.segments()[i].x2Cm, kTolCm);
        EXPECT_NEAR(y2, plain.segments()[i].y2Cm, kTolCm);
    }
}

}  // namespace

// Four crosses of lomos's test sheet measured through that printer, the
// sheet inset in a printable area: the test sheet, its crosses and its texts,
// drawn through the correction, land where the table says.
TEST(Correction, ASimulatedPrinterIsUndone) {
    const double left = 0.42, top = 0.31;
    const std::vector<testsheet::Position> crosses =
        lomos::testPositions(lomos::defaultCoordinateTable(), lomos::kSpineSheet);
    std::vector<correction::Measure> measures;
    for (int place : {1, 3, 17, 33}) {
        const testsheet::Position& p = crosses[size_t(place - 1)];
        const double x = *p.xCm + left, y = *p.yCm + top;
        measures.push_back({place, kPrinter.mapX(x, y) * 10, kPrinter.mapY(x, y) * 10});
    }
    const correction::Fit fit = correction::fit(measures, crosses, left, top);
    ASSERT_TRUE(fit.distortion) << fit.problem.toStdString();
    expectCorrected(testsheet::walk(crosses), *fit.distortion, left, top, int(crosses.size()));
}

struct RefusalCase {
    const char* name;
    const char* measures;  // over the default coordinates
    const char* problem;
    int badPlace = 0;
};

class MeasuresRefused : public testing::TestWithParam<RefusalCase> {};

TEST_P(MeasuresRefused, WithTheReason) {
    QString problem;
    const auto measures =
        correction::parseMeasures(QString::fromUtf8(GetParam().measures), problem);
    const correction::Fit fit =
        measures
            ? correction::fit(
                  *measures,
                  lomos::testPositions(lomos::defaultCoordinateTable(), lomos::kSpineSheet), 0, 0)
            : correction::Fit{std::nullopt, problem, 0};
    EXPECT_EQ(fit.distortion.has_value(), *GetParam().problem == '\0');
    const QString expected = QString::fromUtf8(GetParam().problem);
    EXPECT_EQ(fit.problem.left(expected.size()), expected);
    EXPECT_EQ(fit.badPlace, GetParam().badPlace);
}

// Place 1 is meant at (28, 0) mm, 3 at (157, 0), 4 at (28, 20), 17 at
// (92, 122.8), 31 at (28, 257), 33 at (157, 257).
// clang-format off
INSTANTIATE_TEST_SUITE_P(Correction, MeasuresRefused, testing::Values(
    RefusalCase{"decimal_commas_within_a_millimetre_taken", "1:28,5,0,4;3:157.5,0.4;31:28.5,257.4;33:157.4,257.5", ""},
    RefusalCase{"three_crosses", "1:28,0;3:157,0;31:28,257", "Hacen falta al menos cuatro cruces medidas"},
    RefusalCase{"one_column", "1:28,0;4:28,20;16:28,100;31:28,257", "Las cruces están todas en una columna"},
    RefusalCase{"one_of_four_off", "1:28,0;3:157,0;31:28,257;33:159,257", "Las medidas no concuerdan entre sí (una se aparta 2,00 mm)"},
    RefusalCase{"fit_to_page_on", "1:39.2,20;3:155.3,20;31:39.2,251.3;33:155.3,251.3", "Según estas medidas, la impresora encoge la hoja un 10,00 %: ninguna impresora lo hace. Seguramente está activada la opción «Ajustar a la página»"},
    RefusalCase{"shift_past_a_centimetre", "1:40,0;3:169,0;31:40,257;33:169,257", "Según estas medidas, la impresora desplaza la hoja 12,00 mm"},
    RefusalCase{"one_of_five_off_is_named", "1:28,0;3:157,0;31:28,257;33:157,257;17:92,125", "La medida de la cruz 17 no concuerda con las demás: se aparta 2,20 mm.", 17}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Correction, SaidInWords) {
    EXPECT_EQ(correction::describe({1, 0, 0.15, 0, 1.012, 0.08}),
              QStringLiteral("la impresora desplaza 1,50 mm a la derecha y 0,80 mm hacia abajo, "
                             "y estira la hoja un 1,20 % de arriba abajo"));
    EXPECT_EQ(correction::describe({0.99, 0, -0.1, 0, 1, 0}),
              QStringLiteral("la impresora desplaza 1,00 mm a la izquierda, y encoge la hoja un "
                             "1,00 % de izquierda a derecha"));
    EXPECT_EQ(correction::describe({}), QStringLiteral("la impresora pone cada cruz en su sitio"));
}

// Four crosses fit in one row only on a sheet of four columns or more.
TEST(Correction, FourCrossesInOneRowRefused) {
    std::vector<testsheet::Position> row;
    for (int c = 0; c < 4; ++c) row.push_back({c + 1, 0, c, 1 + 5 * c, 1.0});
    QString problem;
    const auto measures =
        correction::parseMeasures(QStringLiteral("1:10,10;2:60,10;3:110,10;4:160,10"), problem);
    ASSERT_TRUE(measures) << problem.toStdString();
    EXPECT_TRUE(correction::fit(*measures, row, 0, 0)
                    .problem.startsWith(QStringLiteral("Las cruces están todas en una fila")));
}
