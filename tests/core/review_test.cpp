// "Revisar": where each label of the reviewed job prints, which labels the
// check flags, and what a job of left-out, copied and edited labels prints.
#include "common/core/review/review.h"

#include <gtest/gtest.h>

#include "fichas/core/fullgeneration.h"
#include "fichas/program.h"
#include "lomos/program.h"
#include "recorded.h"
#include "testenv.h"

namespace {

QStringList placesOf(const review::Review& r) {
    QStringList out;
    for (qint64 label = 0; label < r.count(); ++label) {
        const auto slot = r.slot(label);
        out << (slot ? QStringLiteral("%1·%2").arg(slot->page).arg(slot->place)
                     : QStringLiteral("-"));
    }
    return out;
}

// What the program's job of `selection` over the labels of `printFile` draws.
QStringList printed(const LabelProgram& program, const QByteArray& printFile,
                    const jobselection::Selection& selection) {
    TempDriveC c;
    c.putDefaultCoordinates();
    c.write("f.prn", printFile);
    const auto labels = program.generate(c.file("f.prn"), {});
    RecordingSurface surface;
    printPages(labels->job(selection, {})->printWalk(), surface,
               FirstSheet(program.ownGrid.places()));
    return texts(surface);
}

}  // namespace

struct PlacesCase {
    const char* name;
    QList<int> used;       // on the first sheet, from 1
    QList<int> leftOut;    // labels, from 1
    QList<int> copiesOf3;  // {copies} of label 3, when given
    const char* expected;
};

class ReviewPlaces : public testing::TestWithParam<PlacesCase> {};

TEST_P(ReviewPlaces, FollowTheFirstSheetLeftOutLabelsAndCopies) {
    const PlacesCase& c = GetParam();
    review::Review r(5);
    for (int label : c.leftOut) r.setPrinted(label - 1, false);
    if (!c.copiesOf3.isEmpty()) r.setCopies(2, c.copiesOf3[0]);
    r.place(FirstSheet::withUsed(33, c.used));
    EXPECT_EQ(placesOf(r).join(u' '), QString::fromUtf8(c.expected));
    EXPECT_EQ(r.changed(), !c.leftOut.isEmpty() || !c.copiesOf3.isEmpty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Review, ReviewPlaces, testing::Values(
    PlacesCase{"used_places_skipped", {1, 3}, {}, {}, "1·2 1·4 1·5 1·6 1·7"},
    PlacesCase{"left_out_takes_no_place", {}, {2, 4}, {}, "1·1 - 1·2 - 1·3"},
    PlacesCase{"copies_run_onto_the_next_sheet", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}, {}, {99}, "1·31 1·32 1·33 4·33 5·1"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Review, CopiesFromOneToNinetyNineAndTheirFindingsMarkTheirOwnLabel) {
    review::Review r(4);
    EXPECT_FALSE(r.setCopies(1, 0));
    EXPECT_FALSE(r.setCopies(1, 100));
    ASSERT_TRUE(r.setCopies(1, 99));
    r.setCopies(1, 3);
    r.setPrinted(0, false);
    EXPECT_EQ(r.labelsToPrint(), 5);
    // Job: label 2 three times (job labels 1-3), label 3 (4), label 4 (5).
    r.setFindings({{3, "B", "larga"}, {2, "B", "larga"}, {5, "D", "baja"}}, r.selection());
    EXPECT_EQ(r.findings(1), QStringList{"larga"});
    EXPECT_TRUE(r.findings(2).isEmpty());
    EXPECT_EQ(r.findings(3), QStringList{"baja"});
    r.setFindings({{1, "D", "baja"}}, r.selectionOf({3, 0}));  // labels 1 and 4, in list order
    EXPECT_EQ(r.firstFlagged(), 0);
}

// Edits keep a full label within what it holds.
TEST(Review, EditRules) {
    const auto rules = fichas::program().reviewRules({});
    EXPECT_EQ(review::brokenRule({{}, {"A", QString(31, u'x')}, {}, {}}, rules),
              QStringLiteral("Clasificación, línea 2: tiene 31 caracteres y caben 30."));
    EXPECT_EQ(review::brokenRule({{}, {}, {}, {QString(28, u'x'), QString(37, u'x')}}, rules),
              QStringLiteral("Título, línea 2: tiene 37 caracteres y caben 36."));
}

// The job prints the labels named, as edited, as many times; a label left
// out prints nothing. An edited call number is no longer one cut after its
// sixth part, and an author edited has lost no words.
TEST(Review, JobsOfBothProgramsPrintEditsAndCopiesAndLeaveOutTheRest) {
    const jobselection::Fields edit{{"MAPA", "2001"}};
    EXPECT_EQ(printed(lomos::program(), printFileWithCallNumbers({"QA76 .C15", "TESIS", "1 2 3"}),
                      {{0, 1}, {2, 2, edit}}),
              (QStringList{"QA76", ".C15", "MAPA", "2001", "MAPA", "2001"}));

    // The fourth item has a call number alone: its other fields print empty.
    const jobselection::Fields full{{"B-NUEVO"}, {"K1", "NUEVA"}, {"A1"}, {"T1"}};
    EXPECT_EQ(
        printed(fichas::program(), printFileWithFullItems(3) + "<z30-call-no>X</z30-call-no>\r\n",
                {{2, 1}, {1, 2, full}, {3, 1}}),
        (QStringList{"B2", "A2", "T2", "K2", "B-NUEVO", "A1", "T1", "K1", "NUEVA", "B-NUEVO", "A1",
                     "T1", "K1", "NUEVA", "X"}));
}

TEST(Review, EditedLabelsAreCheckedAgain) {
    TempDriveC c;
    c.putDefaultCoordinates();
    c.write("spine.prn", printFileWithCallNumbers({"QA76", "1 2 3 4 5 6 7"}));
    QByteArray full = printFileWithFullItems(2);
    c.write("full.prn",
            full.replace("A1</z13-author>", "A1 " + QByteArray(90, 'z') + "</z13-author>"));
    const auto spine = lomos::program().generate(c.file("spine.prn"), {});
    const auto labels = fichas::program().generate(c.file("full.prn"), {});
    // The check of label 2, as generated or edited, twice.
    const auto findingsOf = [&](const GeneratedLabels& of,
                                const std::optional<jobselection::Fields>& edit,
                                const QString& fontSize = "8") {
        const jobselection::Selection job{{1, 2, edit}};
        RecordingSurface surface;
        return labelcheck::findingLines(
            of.job(job, {fontSize, std::nullopt})->check(FirstSheet(33))(surface).findings);
    };
    EXPECT_EQ(findingsOf(*spine, std::nullopt).size(), 2);  // cut after its sixth part, each copy
    const jobselection::Fields wide{{QString(30, u'W')}}, fewer{{"1", "2", "3"}};
    const QStringList found = findingsOf(*spine, wide, "14");  // 7.4 cm on a label of 6.4
    ASSERT_EQ(found.size(), 2);
    EXPECT_TRUE(found[1].startsWith("Etiqueta 2 (" + QString(30, u'W') + "): la línea «"));
    EXPECT_TRUE(findingsOf(*spine, fewer).isEmpty());
    EXPECT_EQ(findingsOf(*labels, std::nullopt).value(0),
              "Etiqueta 1 (B1): el autor no cabe en dos líneas y pierde palabras");
    jobselection::Fields author = labels->fields(1);
    author[fichas::kAuthorField] = {"A1"};
    EXPECT_TRUE(findingsOf(*labels, author).isEmpty());
}
