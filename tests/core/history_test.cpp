// The history of jobs: which jobs are kept, the bound, a damaged history,
// and a job written by a newer version.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "common/core/program/workbench.h"
#include "fichas/program.h"
#include "lomos/program.h"
#include "testenv.h"

using jobhistory::History;
using jobhistory::KeptJob;

namespace {

const Settings kClient{QStringLiteral("CLIENTE"), QStringLiteral("BIB50")};

// A workbench of `program` keeping its jobs in `folder`.
std::unique_ptr<Workbench> workbenchIn(const LabelProgram& program, const QString& folder) {
    auto workbench = std::make_unique<Workbench>(program, JobSettings{}, [] { return nullptr; });
    workbench->keepJobsIn(std::make_shared<History>(folder));
    return workbench;
}

// The labels of each kept job, newest first.
std::vector<qint64> keptCounts(const QString& folder) {
    std::vector<qint64> counts;
    for (const jobhistory::Listed& job : History(folder).list()) counts.push_back(job.labelCount);
    return counts;
}

}  // namespace

// What a run of steps keeps: "A" and "B" generate a print file of 2 and 3
// labels, "E" one without labels, "O" opens the oldest kept job and prints
// it ("o" opens it alone), "T" types a label by hand.
struct KeepCase {
    const char* name;
    const char* steps;
    std::vector<qint64> kept;  // labels of each job kept, newest first
};
class Keeping : public testing::TestWithParam<KeepCase> {};
TEST_P(Keeping, WhatIsKept) {
    TempDriveC c;
    const QString folder = c.file(QStringLiteral("historial"));
    const auto workbench = workbenchIn(lomos::program(), folder);
    for (const char step : std::string(GetParam().steps)) {
        if (step == 'A') c.putPrintFile(printFileWithCallNumbers({"QA76 .C15", "B72 R4"}));
        if (step == 'B') c.putPrintFile(printFileWithCallNumbers({"K1 A1", "K2 A2", "K3 A3"}));
        if (step == 'E') c.putPrintFile(printFileWithCallNumbers({}));
        if (step == 'T') workbench->addTyped({{QStringLiteral("HU 860 CER")}});
        if (step == 'O' || step == 'o') {
            History history(folder);
            const jobhistory::Listed oldest = history.list().back();
            workbench->open(*history.load(oldest.file), oldest.file);
            if (step == 'O') workbench->keepEdits();
        } else if (step != 'T') {
            workbench->generate(kClient, generation::SaveSettings::No);
        }
    }
    EXPECT_EQ(keptCounts(folder), GetParam().kept);
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(History, Keeping, testing::Values(
    KeepCase{"a_job", "A", {2}},
    KeepCase{"the_same_job_again", "AA", {2}},
    KeepCase{"the_same_after_another_kept_again", "ABA", {2, 3, 2}},
    KeepCase{"an_empty_job", "E", {}},
    KeepCase{"a_reprint_of_a_kept_job", "ABO", {3, 2}},
    KeepCase{"labels_typed_join_the_job_kept", "AT", {3}},
    KeepCase{"labels_typed_alone", "T", {1}},
    KeepCase{"labels_typed_on_a_reopened_job_are_a_new_one", "ABOT", {3, 3, 2}},
    KeepCase{"labels_typed_on_an_opened_job_leave_it", "ABoT", {3, 3, 2}}),
    CaseName());
// clang-format on

// A kept job opened again gives the labels it gave, with the edits made
// before it printed, after the print file is gone.
TEST(History, AnOpenedJobHasItsLabelsAndEdits) {
    TempDriveC c;
    const QString folder = c.file(QStringLiteral("historial"));
    c.putPrintFile(printFileWithFullItems(3));
    const auto made = workbenchIn(fichas::program(), folder);
    made->generate(kClient, generation::SaveSettings::No);
    made->review().setEdit(1, {{"B2"}, {"K2", "bis"}, {"A2"}, {"T2"}});
    made->keepEdits();
    QFile::remove(c.file(QStringLiteral("CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn")));

    History history(folder);
    const jobhistory::Listed kept = history.list().at(0);
    EXPECT_EQ(kept.firstCallNumber, QStringLiteral("K0"));
    EXPECT_EQ(kept.lastCallNumber, QStringLiteral("K2"));
    const auto opened = workbenchIn(fichas::program(), folder);
    opened->open(*history.load(kept.file), kept.file);
    ASSERT_EQ(opened->labels()->count(), 3);
    for (qint64 i = 0; i < 3; ++i) EXPECT_EQ(opened->labels()->fields(i), made->labels()->fields(i));
    ASSERT_NE(opened->review().edit(1), nullptr);
    EXPECT_EQ(*opened->review().edit(1), *made->review().edit(1));
}

// A kept job is made again with its own design, whatever the design in use.
TEST(History, AnOpenedJobHasItsDesign) {
    TempDriveC c;
    const QString folder = c.file(QStringLiteral("historial"));
    c.putPrintFile(printFileWithCallNumbers({"qa76 c15"}));
    const auto made = workbenchIn(lomos::program(), folder);
    design::Design capitals;
    capitals.spine.capitals = true;
    made->setDesign(capitals);
    made->generate(kClient, generation::SaveSettings::No);
    History history(folder);
    const QString file = history.list().at(0).file;
    const auto opened = workbenchIn(lomos::program(), folder);
    opened->open(*history.load(file), file);
    EXPECT_EQ(opened->labels()->fields(0), (jobselection::Fields{{"QA76", "C15"}}));
}

// The oldest jobs go first, past the count or past the age.
struct BoundCase {
    const char* name;
    std::vector<int> daysAgo;   // when each job was kept, in that order
    std::vector<int> keptDays;  // the jobs left, newest first
};
class Bounded : public testing::TestWithParam<BoundCase> {};
TEST_P(Bounded, OldestGoFirst) {
    TempDriveC c;
    const QDateTime now = QDateTime::currentDateTime();
    int daysAgo = 0;
    History history(c.file(QStringLiteral("h")), {.jobs = 3, .years = 2},
                    [&] { return now.addDays(-daysAgo); });
    for (const int days : GetParam().daysAgo) {
        daysAgo = days;
        KeptJob job;
        job.labels = {{{QString::number(days)}}};
        ASSERT_TRUE(history.keep(job));
    }
    daysAgo = 0;
    std::vector<int> left;
    for (const jobhistory::Listed& job : history.list()) left.push_back(int(job.made.daysTo(now)));
    EXPECT_EQ(left, GetParam().keptDays);
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(History, Bounded, testing::Values(
    BoundCase{"within_both", {3, 2, 1}, {1, 2, 3}},
    BoundCase{"past_the_count", {5, 4, 3, 2, 1}, {1, 2, 3}},
    BoundCase{"past_two_years", {800, 700, 1}, {1, 700}}),
    CaseName());
// clang-format on

// A history folder that is no folder is set aside, said once, and a new
// history starts.
TEST(History, AFolderThatIsNoFolderStartsAgain) {
    TempDriveC c;
    KeptJob job;
    job.labels = {{{QStringLiteral("K1")}}};
    c.write(QStringLiteral("otro"), "no es una carpeta");
    History broken(c.file(QStringLiteral("otro")));
    EXPECT_TRUE(broken.keep(job));
    EXPECT_EQ(broken.list().size(), 1u);
    EXPECT_EQ(broken.takeNotices().size(), 1);
    EXPECT_EQ(c.read(QStringLiteral("otro.dañado")), "no es una carpeta");
}

// A job a newer version wrote, with keys and sections this one does not
// know, is listed and opened like any other, never set aside, and written
// again with them; fields of any text come back as they went.
TEST(History, ANewerVersionsJobIsReadAndItsFieldsKept) {
    TempDriveC c;
    const QString folder = c.file(QStringLiteral("h"));
    History history(folder);
    KeptJob job;
    job.program = QStringLiteral("lomos");
    job.items = printFileWithCallNumbers({"K1 A1"});
    job.labels = {jobselection::Fields{{QStringLiteral("K1\tA\\1"), QStringLiteral("dos\nlíneas")}},
                  jobselection::Fields{QStringList{}}, jobselection::Fields{QStringList{QString()}}};
    const QString file = *history.keep(job);
    QByteArray bytes = readAll(file);
    bytes.insert(bytes.indexOf("[etiquetas"), "color=azul\n");
    bytes.insert(bytes.lastIndexOf("fin\n"), "[futuro 3]\nabc\n");
    c.write(QStringLiteral("h/") + QFileInfo(file).fileName(), bytes);

    ASSERT_EQ(history.list().size(), 1u);
    EXPECT_TRUE(history.takeNotices().isEmpty());
    std::optional<KeptJob> read = history.load(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->labels, job.labels);
    const auto workbench = workbenchIn(lomos::program(), folder);
    workbench->open(*read, file);
    EXPECT_EQ(workbench->labels()->fields(0), (jobselection::Fields{{"K1", "A1"}}));
    read->edits[0] = {{QStringLiteral("K1 bis")}};
    ASSERT_TRUE(history.replace(file, *read));
    const QByteArray written = readAll(file);
    EXPECT_TRUE(written.contains("\ncolor=azul\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("\n[futuro 3]\nabc\n")) << written.toStdString();
    EXPECT_EQ(history.load(file)->edits.at(0), read->edits.at(0));
}

// Edits printed go with the job "Generar" kept; other edits on a job kept
// before are a job of their own, the one before untouched; a reprint as it
// was keeps nothing.
TEST(History, EditsPrintedAreKeptWithTheirJob) {
    TempDriveC c;
    const QString folder = c.file(QStringLiteral("historial"));
    c.putPrintFile(printFileWithCallNumbers({"QA76 .C15", "B72 R4"}));
    const auto workbench = workbenchIn(lomos::program(), folder);
    workbench->generate(kClient, generation::SaveSettings::No);
    workbench->review().setEdit(1, {{QStringLiteral("B72"), QStringLiteral("R4 bis")}});
    workbench->keepEdits();
    workbench->keepEdits();  // printed again
    History history(folder);
    ASSERT_EQ(history.list().size(), 1u);
    const QString first = history.list().at(0).file;
    EXPECT_EQ(history.load(first)->edits.size(), 1u);

    workbench->open(*history.load(first), first);
    ASSERT_NE(workbench->review().edit(1), nullptr);
    workbench->keepEdits();  // as kept
    EXPECT_EQ(history.list().size(), 1u);
    workbench->review().undo(1);
    workbench->keepEdits();
    ASSERT_EQ(history.list().size(), 2u);
    EXPECT_TRUE(history.load(history.list().at(0).file)->edits.empty());
    EXPECT_EQ(history.load(first)->edits.size(), 1u);
}

// A file of a damaged or crafted job is set aside, said once, and the
// others read: cut short, a section longer than the file, a length that
// is no number, a first line of another file.
struct DamageCase {
    const char* name;
    const char* from;  // what the whole job's bytes hold
    const char* to;    // in its place
};
class Damaged : public testing::TestWithParam<DamageCase> {};
TEST_P(Damaged, IsSetAsideAndSaidOnce) {
    TempDriveC c;
    const QString folder = c.file(QStringLiteral("h"));
    History history(folder);
    KeptJob job;
    job.labels = {{{QStringLiteral("K1")}}};
    const QString good = *history.keep(job);
    const QString damaged = *history.keep(job);
    QByteArray bytes = readAll(damaged);
    ASSERT_TRUE(bytes.contains(GetParam().from));
    bytes.replace(GetParam().from, GetParam().to);
    c.write(QStringLiteral("h/") + QFileInfo(damaged).fileName(), bytes);

    ASSERT_EQ(history.list().size(), 1u);
    EXPECT_EQ(history.list().at(0).file, good);
    EXPECT_EQ(history.takeNotices().size(), 1);
    EXPECT_TRUE(QFile::exists(damaged + QStringLiteral(".dañado")));
    EXPECT_TRUE(history.keep(job));
    EXPECT_EQ(history.list().size(), 2u);
    EXPECT_TRUE(history.takeNotices().isEmpty());
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(History, Damaged, testing::Values(
    DamageCase{"cut_short", "fin\n", "fi"},
    DamageCase{"a_section_past_the_end", "[etiquetas 3]", "[etiquetas 9223372036854775807]"},
    DamageCase{"a_length_that_is_no_number", "[etiquetas 3]", "[etiquetas tres]"},
    DamageCase{"another_file", "etiquetas-trabajo\n", "<printout>\n"}),
    CaseName());
// clang-format on

// An edit of another shape than the program's labels is left out.
TEST(History, AnEditOfAnotherShapeIsLeftOut) {
    TempDriveC c;
    History history(c.file(QStringLiteral("h")));
    KeptJob job;
    job.items = printFileWithFullItems(2);
    job.edits[1] = {{QStringLiteral("B2")}};
    const QString file = *history.keep(job);
    const auto workbench = workbenchIn(fichas::program(), c.file(QStringLiteral("h")));
    workbench->open(*history.load(file), file);
    ASSERT_EQ(workbench->labels()->count(), 2);
    EXPECT_EQ(workbench->review().edit(1), nullptr);
}

// Any field of any label finds its job, whatever the case; a call number
// found as the client wrote it, across the lines it prints on.
TEST(History, TheSearchLooksInEveryField) {
    TempDriveC c;
    History history(c.file(QStringLiteral("h")));
    KeptJob job;
    job.labels = {{{QStringLiteral("B1")}, {QStringLiteral("QA76.73"), QStringLiteral("C15")},
                   {QStringLiteral("Cervantes")}, {QStringLiteral("Novelas ejemplares")}}};
    history.keep(job);
    const jobhistory::Listed kept = history.list().at(0);
    for (const char* found : {"qa76.73 c15", "NOVELAS", "cervantes", "B1"})
        EXPECT_TRUE(jobhistory::matches(kept, QString::fromUtf8(found))) << found;
    EXPECT_FALSE(jobhistory::matches(kept, QStringLiteral("Quijote")));
}
