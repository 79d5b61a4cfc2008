// The check against what the printer reaches of its paper: which line of
// which label, past which edge, by how much.
#include <gtest/gtest.h>

#include "common/core/check/margincheck.h"
#include "common/core/sheets/stock.h"
#include "recordingsurface.h"

namespace {

// A line as a label's walk draws it, at 10 pt: 0.176 cm a character, 0.423
// cm a line (the recording's metrics).
struct Drawn {
    int label;  // from 1
    double xCm, yCm;
    const char* text;
};

// A walk that draws `lines`, each on its label, one label a place.
LabelWalk walkOf(std::vector<Drawn> lines) {
    return [lines](DrawingSurface& surface, const PageFull&, PlaceCursor& places) {
        surface.setFontSize(10);
        for (const Drawn& d : lines) {
            while (places.taken() + 1 < d.label) places.take();
            surface.setCurrentX(d.xCm);
            surface.setCurrentY(d.yCm);
            surface.print(QString::fromUtf8(d.text));
        }
        return WalkEnd::EndOfList;
    };
}

// A 7 x 2.54 cm paper and a laser's reach: 6.35 mm across, 12.7 mm at the
// top, 4.2 mm at the bottom.
const margincheck::PrintableArea kLaser{QRectF(0, 0, 7, 2.54),
                                        QRectF(QPointF(0.635, 1.27), QPointF(6.365, 2.12))};

struct MarginCase {
    const char* name;
    std::vector<Drawn> lines;
    const char* expected;  // "label|name|problem" for each finding, by "\n"
};

}  // namespace

class Margins : public testing::TestWithParam<MarginCase> {};
TEST_P(Margins, NamedOnTheirLabelByTheEdgeTheyCross) {
    RecordingSurface measures;
    QStringList found;
    for (const labelcheck::Finding& f :
         margincheck::outsidePrintable(walkOf(GetParam().lines), FirstSheet(3), kLaser, measures))
        found << QStringLiteral("%1|%2|%3").arg(f.label).arg(f.name, f.problem);
    EXPECT_EQ(found.join(u'\n').toStdString(), GetParam().expected);
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Check, Margins, testing::Values(
    MarginCase{"inside_is_clean", {{1, 0.7, 1.3, "QA76.73"}}, ""},
    MarginCase{"left_edge", {{1, 0.2, 1.3, "QA76.73"}},
        "1|QA76.73|la línea «QA76.73» empieza a 2,0 mm del borde izquierdo del papel y la "
        "impresora no imprime a menos de 6,4 mm"},
    MarginCase{"right_edge_and_top_on_the_second_label", {{2, 0.7, 1.3, "PQ6613"}, {2, 5.9, 1.0, "1998"}},
        "2|PQ6613|la línea «1998» acaba a 3,9 mm del borde derecho del papel y la impresora no "
        "imprime a menos de 6,4 mm\n"
        "2|PQ6613|la línea «1998» empieza a 10,0 mm del borde superior del papel y la impresora "
        "no imprime a menos de 12,7 mm"},
    MarginCase{"bottom_edge", {{1, 0.7, 1.8, "V.3"}},
        "1|V.3|la línea «V.3» acaba a 3,2 mm del borde inferior del papel y la impresora no "
        "imprime a menos de 4,2 mm"},
    // Past the paper is past the label, which the program's check says.
    MarginCase{"past_the_paper_left_to_the_label_check", {{1, -0.1, 1.3, "Z"}}, ""},
    MarginCase{"blank_lines_are_nothing", {{1, 0.0, 0.0, "  "}}, ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Positions not saved yet start inside the printer's reach, half a
// millimetre in, wherever the label's own inset would put them nearer.
TEST(Margins, PrefilledPositionsStartInsideTheReach) {
    const Stock roll{.name = "Dymo 11355", .paperWidthMm = 19, .paperHeightMm = 51,
                     .labelWidthMm = 19, .labelHeightMm = 51, .columns = 1, .rows = 1};
    const QRectF lw450(QPointF(0.144, 0.576), QPointF(1.803, 4.648));
    EXPECT_EQ(textCornerCm(roll, 0, 2, lw450), QPointF(0.2, 0.626));
    EXPECT_EQ(textCornerCm(roll, 0, 2, std::nullopt), QPointF(0.2, 0.2));
}
