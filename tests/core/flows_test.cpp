// Reading a large print file on every core, and the labels and copies a
// windowless job names.
#include <gtest/gtest.h>

#include <QFile>

#include "fichas/core/fullgeneration.h"
#include "lomos/core/spinegeneration.h"
#include "common/core/review/jobselection.h"
#include "testenv.h"

TEST(Generation, ALargeFileReadOnEveryCoreGivesWhatOneReadingGives) {
    TempDriveC c;
    c.write("f.prn", printFileWithFullItems(120000));  // over 8 MB: two parts or more
    ASSERT_GE(printfile::splitAtLines(c.file("f.prn"), 2).size(), 2u);
    QFile file(c.file("f.prn"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const fichas::FullGeneration full = fichas::generateFullLabels(c.file("f.prn"));
    const fichas::FullGeneration fullInOne = fichas::generateFullLabels(file);
    EXPECT_EQ(full.labelCount, 120000);
    for (const auto list : {&fichas::FullGeneration::barcodes, &fichas::FullGeneration::callNumberLines,
                            &fichas::FullGeneration::authorLines, &fichas::FullGeneration::titleLines})
        EXPECT_EQ(entries(full.*list), entries(fullInOne.*list));
    file.seek(0);
    EXPECT_EQ(entries(lomos::generateSpineLabels(c.file("f.prn")).callNumberLines),
              entries(lomos::generateSpineLabels(file).callNumberLines));
}

struct SelectionCase {
    const char* name;
    const char* labels;
    const char* copies;
    std::vector<qint64> numbers;  // empty: refused
    int copiesRead;               // 0: refused
};
class JobSelection : public testing::TestWithParam<SelectionCase> {};
TEST_P(JobSelection, NumbersAndCopies) {
    QString problem;
    const auto numbers = jobselection::parseNumbers(GetParam().labels, 6, problem);
    EXPECT_EQ(numbers.value_or(std::vector<qint64>{}), GetParam().numbers) << problem.toStdString();
    EXPECT_EQ(jobselection::parseCopies(GetParam().copies, problem).value_or(0), GetParam().copiesRead);
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Batch, JobSelection, testing::Values(
    SelectionCase{"in_the_order_written", "5,2-3", "1", {5, 2, 3}, 1},
    SelectionCase{"a_range_of_one_and_blanks", " 4-4 , 6", "99", {4, 6}, 99}),
    CaseName());
// clang-format on
