#include <gtest/gtest.h>

#include "coordinates.h"
#include "labellist.h"
#include "recordingsurface.h"
#include "spinewalk.h"

namespace {

const QString kSep = labellist::kSeparator;

// n labels named L0, L1, ..., each with the given number of lines
// ("L5", "L5.2", "L5.3" ...).
QStringList labels(int n, int linesEach = 1) {
    QStringList list;
    for (int k = 0; k < n; ++k) {
        for (int l = 0; l < linesEach; ++l) {
            list << (l == 0 ? QStringLiteral("L%1").arg(k) : QStringLiteral("L%1.%2").arg(k).arg(l + 1));
        }
        list << kSep;
    }
    list << labellist::kEndMarker;
    return list;
}

struct Printed {
    RecordingSurface surface;
    bool ok;
};

std::unique_ptr<Printed> print(const QStringList& list, const CoordinateTable& table = defaultCoordinateTable(),
                               const QString& size = QStringLiteral("8")) {
    auto p = std::make_unique<Printed>();
    int contador = 0;
    p->ok = printSpineSheets(list, table, size, p->surface, contador);
    return p;
}

const RecordingSurface::Line* find(const RecordingSurface& s, const QString& text) {
    for (const auto& line : s.lines()) {
        if (line.text == text) return &line;
    }
    return nullptr;
}

}  // namespace

TEST(SpineWalk, ThirtyThreeLabelsFillOneSheetWithoutABlankOne) {
    auto p = print(labels(33));
    EXPECT_TRUE(p->ok);
    EXPECT_EQ(p->surface.lines().size(), 33);
    EXPECT_EQ(p->surface.sheets(), 1);
    EXPECT_TRUE(p->surface.ended());
    // The last label sits at position 32.
    const auto* last = find(p->surface, "L32");
    ASSERT_TRUE(last);
    EXPECT_DOUBLE_EQ(last->xCm, 15.7);
    EXPECT_DOUBLE_EQ(last->yCm, 25.7);
}

TEST(SpineWalk, LabelKGoesToPositionKMod33OfSheetKDiv33) {
    auto p = print(labels(70));
    EXPECT_EQ(p->surface.sheets(), 3);
    const CoordinateTable t = defaultCoordinateTable();
    for (int k = 0; k < 70; ++k) {
        const auto* line = find(p->surface, QStringLiteral("L%1").arg(k));
        ASSERT_TRUE(line) << k;
        EXPECT_EQ(line->sheet, k / 33 + 1) << k;
        EXPECT_DOUBLE_EQ(line->xCm, t.x[k % 33].toDouble()) << k;
        EXPECT_DOUBLE_EQ(line->yCm, t.y[k % 33].toDouble()) << k;
        EXPECT_EQ(line->face, QStringLiteral("Times NEw Roman"));
        EXPECT_TRUE(line->bold);
        EXPECT_EQ(line->sizePt, 8);
    }
}

TEST(SpineWalk, LinesStandPointThreeApartWhateverTheSize) {
    for (const char* size : {"8", "11", "7.5"}) {
        auto p = print(labels(2, 6), defaultCoordinateTable(), QString::fromLatin1(size));
        const auto* first = find(p->surface, "L1");
        const auto* sixth = find(p->surface, "L1.6");
        ASSERT_TRUE(first && sixth);
        EXPECT_NEAR(sixth->yCm - first->yCm, 1.5, 1e-9) << size;
        EXPECT_DOUBLE_EQ(sixth->xCm, 9.2);
        EXPECT_DOUBLE_EQ(first->sizePt, QString::fromLatin1(size).toDouble());
    }
}

TEST(SpineWalk, LongLinesAreCutToThirtyCharacters) {
    const QString longLine(31, u'X');
    auto p = print({longLine, kSep, QString(30, u'Y'), kSep, "*"});
    ASSERT_EQ(p->surface.lines().size(), 2);
    EXPECT_EQ(p->surface.lines()[0].text, QString(30, u'X'));
    EXPECT_EQ(p->surface.lines()[1].text, QString(30, u'Y'));
}

TEST(SpineWalk, EmptyLabelUsesUpItsPlace) {
    auto p = print({"A", kSep, kSep, "C", kSep, "*"});
    const auto* c = find(p->surface, "C");
    ASSERT_TRUE(c);
    EXPECT_DOUBLE_EQ(c->xCm, 15.7);  // position 2
}

TEST(SpineWalk, LabelStarIsPrintedAndTheWalkEndsAfterTheLast) {
    // A call number whose first part is "*" is a label like any other.
    auto p = print({"A", kSep, "*", "X", kSep, "B", kSep, "*"});
    QStringList texts;
    for (const auto& l : p->surface.lines()) texts << l.text;
    EXPECT_EQ(texts, (QStringList{"A", "*", "X", "B"}));
    EXPECT_DOUBLE_EQ(find(p->surface, "B")->xCm, 15.7);
}

TEST(SpineWalk, BrokenListsStopAtTheirEnd) {
    EXPECT_TRUE(print({"*"})->surface.lines().isEmpty());
    EXPECT_EQ(print({"A", "B"})->surface.lines().size(), 2);  // no separator
    EXPECT_EQ(print({"A", kSep})->surface.lines().size(), 1);  // no end marker
    auto p = print({kSep, kSep});
    EXPECT_TRUE(p->surface.lines().isEmpty());
    EXPECT_TRUE(p->surface.ended());
}

TEST(SpineWalk, SizeThatIsNotANumberKeepsTheSurfacesSize) {
    RecordingSurface surface;
    surface.setFontSize(11);
    int contador = 0;
    printSpineSheets(labels(1), defaultCoordinateTable(), QStringLiteral("grande"), surface, contador);
    ASSERT_EQ(surface.lines().size(), 1);
    EXPECT_EQ(surface.lines()[0].sizePt, 11);
}

TEST(SpineWalk, CoordinatesThatAreNotNumbers) {
    CoordinateTable t = defaultCoordinateTable();
    t.x[0] = "";        // left edge
    t.y[1] = "abc";     // keeps falling one line spacing under the last
    auto p = print(labels(2, 2), t);
    const auto& lines = p->surface.lines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].xCm, 0);
    EXPECT_DOUBLE_EQ(lines[0].yCm, 0);
    EXPECT_EQ(lines[1].xCm, 0);
    EXPECT_DOUBLE_EQ(lines[1].yCm, 0.3);
    // Label 1: X 9.2, but Y not a number: each line one spacing lower.
    const double spacing = RecordingSurface::lineSpacingFor(8);
    EXPECT_DOUBLE_EQ(lines[2].xCm, 9.2);
    EXPECT_NEAR(lines[2].yCm, 0.3 + spacing, 1e-9);
    EXPECT_DOUBLE_EQ(lines[3].xCm, 9.2);
    EXPECT_NEAR(lines[3].yCm, 0.3 + 2 * spacing, 1e-9);
}

TEST(SpineWalk, NoCoordinateFileStacksEverythingAtTheLeftEdgeOfEachSheet) {
    auto p = print(labels(34), CoordinateTable{});
    const double spacing = RecordingSurface::lineSpacingFor(8);
    EXPECT_NEAR(find(p->surface, "L32")->yCm, 32 * spacing, 1e-9);
    const auto* nextSheet = find(p->surface, "L33");
    EXPECT_EQ(nextSheet->sheet, 2);
    EXPECT_EQ(nextSheet->yCm, 0);
}

TEST(SpineWalk, FailingPrinterIsReported) {
    RecordingSurface surface;
    surface.failDrawing(QStringLiteral("no hay ninguna impresora predeterminada"));
    int contador = 0;
    EXPECT_FALSE(printSpineSheets(labels(40), defaultCoordinateTable(), "8", surface, contador));
    EXPECT_TRUE(surface.deviceFailed());
    EXPECT_EQ(surface.error(), QStringLiteral("no hay ninguna impresora predeterminada"));
}

TEST(SpineWalk, PreviewAsksAfterEvery33rdLabel) {
    struct Case {
        int labels;
        QList<bool> answers;
        int questions;
        int clears;
        int drawn;
        WalkEnd end;
    };
    const Case cases[] = {
        {32, {}, 0, 0, 32, WalkEnd::EndOfList},
        {33, {true}, 1, 1, 33, WalkEnd::EndOfList},   // Yes after the last sheet: empty picture
        {33, {false}, 1, 0, 33, WalkEnd::Stopped},    // No: the sheet stays
        {70, {true, true}, 2, 2, 70, WalkEnd::EndOfList},
        {70, {true, false}, 2, 1, 66, WalkEnd::Stopped},
    };
    for (const Case& c : cases) {
        RecordingSurface surface;
        QList<bool> answers = c.answers;
        int asked = 0;
        SpineWalk walk;
        walk.face = kPreviewFace;
        walk.sheetFull = [&](DrawingSurface& s) {
            ++asked;
            const bool yes = !answers.isEmpty() && answers.takeFirst();
            if (yes) s.cls();
            return yes;
        };
        int contador = 0;
        const WalkEnd end = walkSpineLabels(labels(c.labels), defaultCoordinateTable(), "8", surface, walk, contador);
        EXPECT_EQ(asked, c.questions) << c.labels;
        EXPECT_EQ(surface.clears(), c.clears) << c.labels;
        EXPECT_EQ(surface.lines().size(), c.drawn) << c.labels;
        EXPECT_EQ(end, c.end) << c.labels;
        EXPECT_EQ(surface.pageBreaks(), 0);
        if (!surface.lines().isEmpty()) {
            EXPECT_EQ(surface.lines()[0].face, QStringLiteral("Times New Roman"));
        }
    }
}
