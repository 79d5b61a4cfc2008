#include <gtest/gtest.h>

#include "generation.h"
#include "messages.h"
#include "labellist.h"
#include "testenv.h"

namespace {

const QString kSep = labellist::kSeparator;
const QString kEnd = labellist::kEndMarker;

SpineGeneration generateFrom(const QByteArray& bytes) {
    TempDriveC c;
    c.write("f.prn", bytes);
    return generateSpineLabels(c.file("f.prn"));
}

}  // namespace

struct SplitCase {
    const char* name;
    QString callNumber;
    QStringList lines;
};

class CallNumberSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CallNumberSplit, Lines) {
    EXPECT_EQ(labellist::splitCallNumber(GetParam().callNumber), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CallNumberSplit,
    ::testing::Values(
        SplitCase{"three_parts", "QA76.73 .C15 2005", {"QA76.73", ".C15", "2005"}},
        SplitCase{"two_blanks_give_an_empty_line", "863  G216c", {"863", "", "G216c"}},
        SplitCase{"empty", "", {}},
        SplitCase{"one_word", "TESIS", {"TESIS"}},
        SplitCase{"six_parts", "A B C D E F", {"A", "B", "C", "D", "E", "F"}},
        SplitCase{"eight_parts_keep_six", "A B C D E F G H", {"A", "B", "C", "D", "E", "F"}},
        SplitCase{"leading_blank", " QA76", {"", "QA76"}},
        SplitCase{"trailing_blank", "QA76 ", {"QA76"}},
        SplitCase{"tab_does_not_split", "QA\t76", {"QA\t76"}},
        SplitCase{"six_blanks_drop_the_rest", "A B C D E F G", {"A", "B", "C", "D", "E", "F"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpineGeneration, ThreeCallNumbersAmongOtherLines) {
    const SpineGeneration g = generateFrom(printFileWithCallNumbers(
        {QStringLiteral("QA76.73 .C15 2005"), QStringLiteral("TESIS"), QStringLiteral("A B")}));
    EXPECT_EQ(g.status, printfile::Status::Ok);
    EXPECT_EQ(g.labelCount, 3);
    EXPECT_EQ(g.lstClasify, (QStringList{"QA76.73", ".C15", "2005", kSep, "TESIS", kSep, "A", "B", kSep, kEnd}));
}

TEST(SpineGeneration, EmptyFileGivesTheEndMarkerAlone) {
    const SpineGeneration g = generateFrom("");
    EXPECT_EQ(g.labelCount, 0);
    EXPECT_EQ(g.lstClasify, QStringList{kEnd});
    EXPECT_EQ(messages::generated(g.labelCount), QStringLiteral("Se han generado 0 etiquetas"));
}

TEST(SpineGeneration, EdgeCasesOfTheFormat) {
    const SpineGeneration g = generateFrom(
        "<Z30-CALL-NO>UPPER</Z30-CALL-NO>\r\n"              // not the tag
        "<z30-call-no></z30-call-no>\r\n"                   // counted, no lines
        "<z30-call-no>A B C D E F G</z30-call-no>\r\n"      // six lines
        "<z30-call-no>* X</z30-call-no>\r\n"                // "*" stored as a line
        "   <z30-call-no>MID LINE</z30-call-no>\r\n"        // tag not opening the line
        "<z30-call-no>NO CLOSING TAG\r\n");                 // value runs to the line's end
    EXPECT_EQ(g.labelCount, 5);
    EXPECT_EQ(g.lstClasify,
              (QStringList{kSep, "A", "B", "C", "D", "E", "F", kSep, "*", "X", kSep, "MID", "LINE",
                           kSep, "NO", "CLOSING", "TAG", kSep, kEnd}));
}

TEST(SpineGeneration, LineEnds) {
    for (const QByteArray& end : {QByteArray("\r\n"), QByteArray("\r")}) {
        const SpineGeneration g = generateFrom(printFileWithCallNumbers({"A", "B"}, end));
        EXPECT_EQ(g.labelCount, 2);
    }
    // A lone LF does not end a line: both tags are on one line, one label,
    // whose value stops at the next "<".
    const SpineGeneration g = generateFrom("<z30-call-no>A</z30-call-no>\n<z30-call-no>B</z30-call-no>\r\n");
    EXPECT_EQ(g.labelCount, 1);
    EXPECT_EQ(g.lstClasify, (QStringList{"A", kSep, kEnd}));
}

TEST(SpineGeneration, LettersAreReadAsWindows1252) {
    const SpineGeneration g = generateFrom("<z30-call-no>A\xD1O</z30-call-no>\r\n");
    EXPECT_EQ(g.lstClasify.first(), QStringLiteral("AÑO"));
}

TEST(SpineGeneration, TheSampleFile) {
    TempDriveC c;
    const SpineGeneration g = generateSpineLabels(QStringLiteral(ETIQUETAS_TEST_DATA "/itemlbl-sample.prn"));
    ASSERT_EQ(g.status, printfile::Status::Ok);
    EXPECT_EQ(g.labelCount, 40);
    EXPECT_EQ(g.lstClasify.mid(0, 4), (QStringList{"F1226", ".P39", "1999", kSep}));
    // "HF5548.4.M523 R46 2016 C.3 EJ. 4 BIS": seven parts, six lines.
    EXPECT_EQ(g.lstClasify.mid(12, 7),
              (QStringList{"HF5548.4.M523", "R46", "2016", "C.3", "EJ.", "4", kSep}));
    EXPECT_EQ(g.lstClasify.last(), kEnd);
    EXPECT_EQ(g.lstClasify.count(kSep), 40);
}

TEST(SpineGeneration, TwoRunsGiveTheSameList) {
    TempDriveC c;
    c.write("f.prn", printFileWithCallNumbers({"A B", "C"}));
    EXPECT_EQ(generateSpineLabels(c.file("f.prn")).lstClasify,
              generateSpineLabels(c.file("f.prn")).lstClasify);
}

TEST(SpineGeneration, MissingFileEndsWithTheMarkerAndSaysSo) {
    TempDriveC c;
    const SpineGeneration g = generateSpineLabels(c.file("nothing/itemlbl.prn"));
    EXPECT_EQ(g.status, printfile::Status::Missing);
    EXPECT_EQ(g.labelCount, 0);
    EXPECT_EQ(g.lstClasify, QStringList{kEnd});
    EXPECT_EQ(messages::unreadablePrintFile(QStringLiteral("/c/x/itemlbl.prn")),
              QStringLiteral("No se pudo leer el archivo de etiquetas:\n/c/x/itemlbl.prn"));
}
