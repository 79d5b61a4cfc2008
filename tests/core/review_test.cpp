// "Revisar": where each label of the reviewed job prints, which labels the
// check flags, and what a job of left-out, copied and edited labels holds.
#include <gtest/gtest.h>

#include <QBuffer>

#include "fichas/core/fullcheck.h"
#include "fichas/core/fullgeneration.h"
#include "lomos/core/spinecheck.h"
#include "lomos/core/spinegeneration.h"
#include "lomos/core/spinewalk.h"
#include "recordingsurface.h"
#include "testenv.h"

namespace {

template <class Generation, class Generate>
Generation generated(const QByteArray& printFile, Generate generate) {
    QByteArray bytes = printFile;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return generate(buffer);
}

lomos::SpineGeneration spineLabels(const QStringList& callNumbers) {
    return generated<lomos::SpineGeneration>(printFileWithCallNumbers(callNumbers),
                                              [](QIODevice& d) { return lomos::generateSpineLabels(d); });
}

QStringList placesOf(const review::Review& r) {
    QStringList out;
    for (qint64 label = 0; label < r.count(); ++label) {
        const auto slot = r.slot(label);
        out << (slot ? QStringLiteral("%1·%2").arg(slot->sheet).arg(slot->place) : QStringLiteral("-"));
    }
    return out;
}

}  // namespace

struct PlacesCase {
    const char* name;
    QList<int> used;         // on the first sheet, from 1
    QList<int> leftOut;      // labels, from 1
    QList<int> copiesOf3;    // {copies} of label 3, when given
    const char* expected;
};

class ReviewPlaces : public testing::TestWithParam<PlacesCase> {};

TEST_P(ReviewPlaces, FollowTheFirstSheetLeftOutLabelsAndCopies) {
    const PlacesCase& c = GetParam();
    review::Review r(5, 33);
    for (int label : c.leftOut) r.setPrinted(label - 1, false);
    if (!c.copiesOf3.isEmpty()) r.setCopies(2, c.copiesOf3[0]);
    r.place(FirstSheet::withUsed(33, c.used));
    EXPECT_EQ(placesOf(r).join(u' '), QString::fromUtf8(c.expected));
    EXPECT_EQ(r.changed(), !c.leftOut.isEmpty() || !c.copiesOf3.isEmpty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Review, ReviewPlaces, testing::Values(
    PlacesCase{"every_label_once", {}, {}, {}, "1·1 1·2 1·3 1·4 1·5"},
    PlacesCase{"used_places_skipped", {1, 3}, {}, {}, "1·2 1·4 1·5 1·6 1·7"},
    PlacesCase{"left_out_takes_no_place", {}, {2, 4}, {}, "1·1 - 1·2 - 1·3"},
    PlacesCase{"copies_take_places_in_a_row", {}, {}, {3}, "1·1 1·2 1·3 1·6 1·7"},
    PlacesCase{"copies_run_onto_the_next_sheet", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}, {}, {99}, "1·31 1·32 1·33 4·33 5·1"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Review, CopiesOutsideOneToNinetyNineAreRefused) {
    review::Review r(1, 33);
    EXPECT_FALSE(r.setCopies(0, 0));
    EXPECT_FALSE(r.setCopies(0, 100));
    EXPECT_TRUE(r.setCopies(0, 99));
    EXPECT_EQ(r.labelsToPrint(), 99);
}

TEST(Review, FindingsOfCopiesAndOfAChosenFewMarkTheirOwnLabels) {
    review::Review r(4, 33);
    r.setPrinted(0, false);
    r.setCopies(1, 3);
    // Job: label 2 three times (job labels 1-3), label 3 (4), label 4 (5).
    r.setFindings({{3, "B", "larga"}, {2, "B", "larga"}, {5, "D", "baja"}}, r.selection());
    EXPECT_EQ(r.findings(1), QStringList{"larga"});
    EXPECT_TRUE(r.findings(2).isEmpty());
    EXPECT_EQ(r.findings(3), QStringList{"baja"});
    EXPECT_EQ(r.firstFlagged(), 1);
    r.setFindings({{1, "D", "baja"}}, r.selectionOf({3, 0}));  // labels 1 and 4, in list order
    EXPECT_EQ(r.firstFlagged(), 0);
}

struct RuleCase {
    const char* name;
    jobselection::Fields fields;
    const char* broken;
};

class EditRules : public testing::TestWithParam<RuleCase> {};

TEST_P(EditRules, KeepAFullLabelWithinWhatItHolds) {
    const auto rules = fichas::reviewSource(fichas::FullGeneration{})->rules();
    EXPECT_EQ(review::brokenRule(GetParam().fields, rules), QString::fromUtf8(GetParam().broken));
}

const QString k28 = QString(28, u'x'), k29 = QString(29, u'x'), k30 = QString(30, u'x'),
              k31 = QString(31, u'x'), k36 = QString(36, u'x'), k37 = QString(37, u'x');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Review, EditRules, testing::Values(
    RuleCase{"within_every_limit", {{"B1"}, {k30, "A", "B", "C", "D", "E"}, {QString(40, u'a'), QString(40, u'a')}, {k28, k36}}, ""},
    RuleCase{"two_barcodes", {{"B1", "B2"}, {}, {}, {}}, "Código de barras ocupa una sola línea."},
    RuleCase{"call_number_line_31", {{}, {"A", k31}, {}, {}}, "Clasificación, línea 2: tiene 31 caracteres y caben 30."},
    RuleCase{"call_number_seven_lines", {{}, {"1", "2", "3", "4", "5", "6", "7"}, {}, {}}, "Clasificación: caben 6 líneas como mucho."},
    RuleCase{"author_three_lines", {{}, {}, {"a", "b", "c"}, {}}, "Autor: caben 2 líneas como mucho."},
    RuleCase{"title_first_line_29", {{}, {}, {}, {k29}}, "Título, línea 1: tiene 29 caracteres y caben 28."},
    RuleCase{"title_second_line_37", {{}, {}, {}, {k28, k37}}, "Título, línea 2: tiene 37 caracteres y caben 36."}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Review, LomosJobPrintsEditsAndCopiesAndLeavesOutTheRest) {
    const lomos::SpineGeneration g = spineLabels({"QA76 .C15", "TESIS", "1 2 3 4 5 6 7"});
    review::Review r(3, 33);
    r.setPrinted(1, false);
    r.setEdit(2, {{"MAPA", "2001"}});
    r.setCopies(2, 2);
    const lomos::SpineGeneration job = lomos::selectSpineLabels(g, r.selection());
    const QString sep = labellist::kSeparator;
    EXPECT_EQ(job.callNumberLines,
              (QStringList{"QA76", ".C15", sep, "MAPA", "2001", sep, "MAPA", "2001", sep, "*"}));
    EXPECT_TRUE(job.cutLabels.empty());  // the edit left six parts or fewer
    EXPECT_EQ(job.labelCount, 3);
    EXPECT_EQ(lomos::selectSpineLabels(g, review::Review(3, 33).selection()).cutLabels,
              std::vector<qint64>{2});
    EXPECT_EQ(lomos::reviewSource(g)->fields(2), (review::Fields{{"1", "2", "3", "4", "5", "6"}}));
}

TEST(Review, LomosEditedLinesAreCheckedAgain) {
    const lomos::SpineGeneration g = spineLabels({"QA76", "TESIS"});
    review::Review r(2, 33);
    RecordingSurface surface;
    auto recheck = [&] {
        const jobselection::Selection job = r.selection();
        const lomos::SpineGeneration labels = lomos::selectSpineLabels(g, job);
        r.setFindings(lomos::checkSpineLabels(labels.callNumberLines, labels.cutLabels,
                                              lomos::defaultCoordinateTable(), "14",
                                              lomos::kPrinterFace, FirstSheet(33), surface)
                          .findings,
                      job);
    };
    r.setEdit(1, {{QString(30, u'W')}});  // 7.4 cm at 14 points, on a label of 6.4
    recheck();
    EXPECT_EQ(r.firstFlagged(), 1);
    EXPECT_TRUE(r.findings(1).first().startsWith("la línea «WWW"));
    r.setEdit(1, {{"TESIS", "2001"}});
    recheck();
    EXPECT_EQ(r.firstFlagged(), std::nullopt);
}

TEST(Review, FichasJobPrintsEditedFieldsAndKeepsWhatWrappingDroppedUnlessEdited) {
    QByteArray file = printFileWithFullItems(2);
    file.replace("A1</z13-author>", "A1 " + QByteArray(90, 'z') + "</z13-author>");
    const fichas::FullGeneration g =
        generated<fichas::FullGeneration>(file, [](QIODevice& d) { return fichas::generateFullLabels(d); });
    ASSERT_EQ(g.shortenedAuthors, std::vector<qint64>{1});
    const auto source = fichas::reviewSource(g);
    review::Review r(2, 36);
    review::Fields fields = source->fields(1);
    EXPECT_EQ(fields.size(), 4u);
    EXPECT_EQ(fields[fichas::kBarcodeField], QStringList{"B1"});
    fields[fichas::kCallNumberField] = {"K1", "NUEVA"};
    r.setEdit(1, fields);  // the author as generated: still shortened
    r.setCopies(1, 2);
    fichas::FullGeneration job = fichas::selectFullLabels(g, r.selectionOf({1}));
    EXPECT_EQ(job.callNumberLines,
              (QStringList{"K1", "NUEVA", labellist::kSeparator, "K1", "NUEVA", labellist::kSeparator, "*"}));
    EXPECT_EQ(job.shortenedAuthors, (std::vector<qint64>{0, 1}));
    fields[fichas::kAuthorField] = {"A1"};
    fields[fichas::kBarcodeField] = {};
    r.setEdit(1, fields);
    job = fichas::selectFullLabels(g, r.selectionOf({1}));
    EXPECT_TRUE(job.shortenedAuthors.empty());
    EXPECT_EQ(job.barcodes, (QStringList{"", labellist::kSeparator, "", labellist::kSeparator}));
    EXPECT_EQ(job.authorLines.first(), QStringLiteral("A1"));
}
