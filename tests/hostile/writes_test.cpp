#include <gtest/gtest.h>

#include <QProcess>
#include <QThread>

#include "coordinates.h"
#include "settingsfile.h"
#include "testenv.h"
#include "textfile.h"

namespace {

class FailingWrites {
public:
    explicit FailingWrites(qint64 after) { textfile::failWritesAfterForTesting(after); }
    ~FailingWrites() { textfile::failWritesAfterForTesting(-1); }
};

}  // namespace

TEST(Writes, FailingHalfWayLeavesTheOldSettingsWhole) {
    TempDriveC c;
    ASSERT_TRUE(saveSettings(c.file("ini.prn"), {"OLD", "BASE"}));
    for (qint64 after : {0, 1, 5, 9}) {
        FailingWrites failing(after);
        EXPECT_FALSE(saveSettings(c.file("ini.prn"), {"NEW-DIRECTORY", "NEW-BASE"})) << after;
        EXPECT_EQ(c.read("ini.prn"), QByteArray("OLD\r\nBASE\r\n")) << after;
    }
    // No half-written file is left beside it either.
    EXPECT_EQ(QDir(c.root()).entryList(QDir::Files), QStringList{"ini.prn"});
}

TEST(Writes, FailingHalfWayLeavesTheOldCoordinatesWhole) {
    TempDriveC c;
    c.putDefaultCoordinates();
    const QByteArray before = c.read("cy.txt");
    CoordinateTable changed = defaultCoordinateTable();
    changed.y[0] = "5";
    FailingWrites failing(100);
    const textfile::WriteResult r = writeCoordinateFile(c.file("cy.txt"), changed);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, QStringLiteral("No queda espacio en el disco"));
    EXPECT_EQ(c.read("cy.txt"), before);
}

TEST(Writes, APathThatIsAFolderIsNotReplaced) {
    TempDriveC c;
    c.write("cy.txt/keep", "x");
    EXPECT_FALSE(writeCoordinateFile(c.file("cy.txt"), defaultCoordinateTable()).ok);
    EXPECT_EQ(c.read("cy.txt/keep"), QByteArray("x"));
}

TEST(Writes, TextTheCodePageCannotHoldBecomesQuestionMarksAndNothingElseChanges) {
    TempDriveC c;
    CoordinateTable t = defaultCoordinateTable();
    t.x[4] = QStringLiteral("9,2Ω");
    ASSERT_TRUE(writeCoordinateFile(c.file("cy.txt"), t).ok);
    QByteArray expected = readAll(projectDir() + "/demo/cy.txt");
    // Line 38 holds X of position 4.
    QList<QByteArray> lines = expected.split('\n');
    lines[37] = "9,2?\r";
    EXPECT_EQ(c.read("cy.txt"), lines.join('\n'));
}

TEST(Writes, TwoProgramsSavingAtOnceLeaveOneWholeVersion) {
    TempDriveC c;
    const QByteArray a = QByteArray(4000, 'A') + "\r\n" + QByteArray(4000, 'a') + "\r\n";
    const QByteArray b = QByteArray(4000, 'B') + "\r\n" + QByteArray(4000, 'b') + "\r\n";
    c.write("ini.prn", a);
    QProcess first, second;
    first.start(QStringLiteral(SETTINGS_WRITER), {c.root(), "A", "1000"});
    second.start(QStringLiteral(SETTINGS_WRITER), {c.root(), "B", "1000"});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(second.waitForStarted());
    int reads = 0;
    QSet<char> seen;
    while (first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) {
        const QByteArray now = c.read("ini.prn");
        ASSERT_TRUE(now == a || now == b) << "a mixed or partial file of " << now.size() << " bytes";
        seen.insert(now[0]);
        ++reads;
        first.waitForFinished(0);
        second.waitForFinished(0);
    }
    first.waitForFinished();
    second.waitForFinished();
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(second.exitCode(), 0);
    const QByteArray last = c.read("ini.prn");
    EXPECT_TRUE(last == a || last == b);
    EXPECT_GT(reads, 10);
    RecordProperty("reads_while_saving", reads);
}
