#include <gtest/gtest.h>

#include "fullwalk.h"
#include "labellist.h"
#include "recordingsurface.h"

using namespace fichas;

namespace {

const QString kSep = labellist::kSeparator;

// n labels: barcode Bk, call number Ck (and "Ck.2" for two-line ones),
// author Ak, title Tk; the given labels get a second author or title line.
FullGeneration lists(int n, QList<int> twoLineAuthors = {}, QList<int> twoLineTitles = {}) {
    QStringList barras, clasify, autor, titulo;
    for (int k = 0; k < n; ++k) {
        barras << QStringLiteral("B%1").arg(k) << kSep;
        clasify << QStringLiteral("C%1").arg(k) << QStringLiteral("C%1.2").arg(k) << kSep;
        autor << QStringLiteral("A%1").arg(k);
        if (twoLineAuthors.contains(k)) autor << QStringLiteral("A%1.2").arg(k);
        autor << kSep;
        titulo << QStringLiteral("T%1").arg(k);
        if (twoLineTitles.contains(k)) titulo << QStringLiteral("T%1.2").arg(k);
        titulo << kSep;
    }
    clasify << "*";
    autor << "*";
    FullGeneration g;
    g.lstBarras = barras;
    g.lstClasify = clasify;
    g.lstAutor = autor;
    g.lstTitulo = titulo;
    return g;
}

const RecordingSurface::Line& line(const RecordingSurface& s, const QString& text) {
    for (const auto& l : s.lines()) {
        if (l.text == text) return l;
    }
    static RecordingSurface::Line none{0, -1, -1, {}, {}, 0, false};
    ADD_FAILURE() << "no line " << text.toStdString();
    return none;
}

struct Printed {
    RecordingSurface surface;
    bool ok = false;
};

std::unique_ptr<Printed> print(const FullGeneration& g) {
    auto p = std::make_unique<Printed>();
    int contador = 0;
    p->ok = printFullSheets(g, p->surface, contador);
    return p;
}

void expectAt(const RecordingSurface& s, const QString& text, int sheet, double x, double y) {
    const auto& l = line(s, text);
    EXPECT_EQ(l.sheet, sheet) << text.toStdString();
    EXPECT_NEAR(l.xCm, x, 1e-9) << text.toStdString();
    EXPECT_NEAR(l.yCm, y, 1e-9) << text.toStdString();
}

}  // namespace

TEST(FullWalk, PrintedPlaces) {
    auto p = print(lists(37));
    EXPECT_TRUE(p->ok);
    EXPECT_EQ(p->surface.sheets(), 2);
    // Label k's call number stands at its place: 2nd, 4th, 36th, 37th.
    expectAt(p->surface, "C0", 1, 0.8, 0.1);
    expectAt(p->surface, "C1", 1, 7.2, 0.1);
    expectAt(p->surface, "C3", 1, 0.8, 2.6);
    expectAt(p->surface, "C35", 1, 13.7, 26.7);
    expectAt(p->surface, "C36", 2, 0.8, 0.1);
    // The other fields stand right of it.
    expectAt(p->surface, "B1", 1, 7.2 + 1.5, 0.1);
    expectAt(p->surface, "A1", 1, 7.2 + 1, 0.1 + 0.5);
    expectAt(p->surface, "T1", 1, 7.2 + 1, 0.1 + 0.8);
    expectAt(p->surface, "C1.2", 1, 7.2, 0.1 + 0.3);
}

TEST(FullWalk, ThirtySixLabelsFillOneSheetWithoutABlankOne) {
    auto p = print(lists(36));
    EXPECT_EQ(p->surface.sheets(), 1);
    EXPECT_EQ(p->surface.pageBreaks(), 1);
    EXPECT_TRUE(p->surface.ended());
}

TEST(FullWalk, AuthorAndTitleOffsets) {
    // 0: one-line both; 1: two-line author and title; 2: one-line author, two-line title;
    // 3: two-line author, one-line title.
    auto p = print(lists(4, {1, 3}, {1, 2}));
    const double y = 0.1;
    expectAt(p->surface, "T0", 1, 1.8, y + 0.8);
    expectAt(p->surface, "A1.2", 1, 8.2, y + 0.8);
    expectAt(p->surface, "T1", 1, 8.2, y + 1.1);
    expectAt(p->surface, "T1.2", 1, 8.2, y + 1.4);
    expectAt(p->surface, "T2", 1, 14.7, y + 0.8);
    expectAt(p->surface, "T2.2", 1, 14.7, y + 1.1);
    expectAt(p->surface, "A3.2", 1, 1.8, 2.6 + 0.8);
    expectAt(p->surface, "T3", 1, 1.8, 2.6 + 1.1);
}

TEST(FullWalk, FacesSizesAndCuts) {
    FullGeneration g;
    const QString longCall(31, u'C');
    const QString longAuthor(40, u'A');
    g.lstBarras = QStringList{"B", kSep};
    g.lstClasify = QStringList{longCall, "L2", "L3", "L4", "L5", "L6", kSep, "*"};
    g.lstAutor = QStringList{longAuthor, kSep, "*"};
    g.lstTitulo = QStringList{"T", kSep};
    auto p = print(g);
    const auto& call = line(p->surface, QString(30, u'C'));
    EXPECT_EQ(call.face, QStringLiteral("arial"));
    EXPECT_TRUE(call.bold);
    EXPECT_EQ(call.sizePt, 8);
    EXPECT_EQ(line(p->surface, longAuthor).face, QStringLiteral("Times New Roman"));
    EXPECT_EQ(line(p->surface, "B").face, QStringLiteral("Times New Roman"));
    EXPECT_NEAR(line(p->surface, "L6").yCm, 0.1 + 1.5, 1e-9);  // six lines run to Y + 1.5
}

TEST(FullWalk, LabelStarIsPrintedAndEmptyCallNumbersUseTheirPlace) {
    FullGeneration g = lists(3);
    g.lstClasify = QStringList{"*", "X", kSep, kSep, "C2", kSep, "*"};
    auto p = print(g);
    expectAt(p->surface, "*", 1, 0.8, 0.1);
    expectAt(p->surface, "B1", 1, 7.2 + 1.5, 0.1);
    expectAt(p->surface, "C2", 1, 13.7, 0.1);
}

TEST(FullWalk, ListsOutOfStepAreWalkedEachByItsOwnIndex) {
    FullGeneration g = lists(3);
    g.lstTitulo = QStringList{"T0", kSep, "T2", kSep};  // the second item had no title
    auto p = print(g);
    expectAt(p->surface, "T2", 1, 8.2, 0.1 + 0.8);  // printed on label 1
    EXPECT_EQ(p->surface.lines().size(), 3 * 2 + 3 + 3 + 2);  // label 2 gets an empty title
}

TEST(FullWalk, BrokenListsStopAtTheirEnd) {
    FullGeneration g;
    g.lstClasify = QStringList{"*"};
    EXPECT_TRUE(print(g)->surface.lines().isEmpty());
    g.lstClasify = QStringList{"A", "B"};
    EXPECT_EQ(print(g)->surface.lines().size(), 2);
}

TEST(FullWalk, PreviewPlacesAndQuestion) {
    struct Case {
        int labels;
        QList<bool> answers;
        int questions;
        int clears;
        bool finished;
    };
    for (const Case& c : {Case{35, {}, 0, 0, true}, Case{36, {true}, 1, 1, true},
                          Case{36, {false}, 1, 0, false}, Case{37, {true}, 1, 1, true}}) {
        RecordingSurface s;
        QList<bool> answers = c.answers;
        int asked = 0;
        int contador = 0;
        const bool finished = walkFullLabels(lists(c.labels), previewPlaces(), s,
                                             [&](DrawingSurface& surface) {
                                                 ++asked;
                                                 const bool yes = answers.takeFirst();
                                                 if (yes) surface.cls();
                                                 return yes;
                                             },
                                             contador);
        EXPECT_EQ(asked, c.questions);
        EXPECT_EQ(s.clears(), c.clears);
        EXPECT_EQ(finished, c.finished);
        if (c.labels == 37) {
            expectAt(s, "C36", 1, 1.0, 2.6);  // alone on the cleared picture
            EXPECT_EQ(s.log().indexOf("cls"), s.log().indexOf("print(B36)") - 1);
        }
        if (c.labels == 35) {
            expectAt(s, "C1", 1, 7.3, 2.6);
            expectAt(s, "C4", 1, 7.4, 5.1);
            expectAt(s, "C34", 1, 7.4, 29.2);
            expectAt(s, "C0", 1, 1.0, 2.6);
        }
    }
}
