#include <gtest/gtest.h>

#include "coordinates.h"
#include "testenv.h"

namespace {

QByteArray linesOf(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines) out += l.toLatin1() + "\r\n";
    return out;
}

// A coordinate file whose line i holds the text of i.
QByteArray numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << QString::number(i);
    return linesOf(lines);
}

}  // namespace

TEST(CoordinateFile, DefaultTableSavedIsTheKnownFile) {
    TempDriveC c;
    ASSERT_TRUE(writeCoordinateFile(c.file("cy.txt"), defaultCoordinateTable()).ok);
    QStringList expected;
    for (const char* y : {"0", "2", "4.3", "7.1", "9.6", "12.28", "15", "17.5", "20.1", "22.9", "25.7"}) {
        for (int i = 0; i < 3; ++i) expected.append(QString::fromLatin1(y));
    }
    for (int row = 0; row < 11; ++row) expected << "2.8" << "9.2" << "15.7";
    EXPECT_EQ(c.read("cy.txt"), linesOf(expected));
    // The project's demo file is the same table.
    EXPECT_EQ(readAll(projectDir() + "/demo/cy.txt"), linesOf(expected));

    const CoordinateTable back = readCoordinateFile(c.file("cy.txt"));
    EXPECT_EQ(back.y[0], "0");
    EXPECT_EQ(back.x[0], "2.8");
    EXPECT_EQ(back.y[32], "25.7");
    EXPECT_EQ(back.x[32], "15.7");
}

TEST(CoordinateFile, PositionFourIsLineFiveAndLineThirtyEight) {
    TempDriveC c;
    c.write("cy.txt", numberedLines(66));
    const CoordinateTable t = readCoordinateFile(c.file("cy.txt"));
    EXPECT_EQ(t.y[4], "5");
    EXPECT_EQ(t.x[4], "38");
}

TEST(CoordinateFile, MissingFileGivesEmptyEntries) {
    TempDriveC c;
    const CoordinateTable t = readCoordinateFile(c.file("cy.txt"));
    for (int p = 0; p < 33; ++p) {
        EXPECT_TRUE(t.x[p].isEmpty());
        EXPECT_TRUE(t.y[p].isEmpty());
    }
}

TEST(CoordinateFile, ShortFileRepeatsItsLastLine) {
    TempDriveC c;
    c.write("cy.txt", numberedLines(33));
    const CoordinateTable t = readCoordinateFile(c.file("cy.txt"));
    EXPECT_EQ(t.y[0], "1");
    EXPECT_EQ(t.y[32], "33");
    for (int p = 0; p < 33; ++p) EXPECT_EQ(t.x[p], "33");
}

TEST(CoordinateFile, LinesAfterSixtySixAreIgnored) {
    TempDriveC c;
    c.write("cy.txt", numberedLines(70));
    const CoordinateTable t = readCoordinateFile(c.file("cy.txt"));
    EXPECT_EQ(t.x[32], "66");
}

TEST(CoordinateFile, RoundTripKeepsEmptyAndNonNumericEntries) {
    TempDriveC c;
    CoordinateTable t = defaultCoordinateTable();
    t.y[5] = "";
    t.x[7] = "abc";
    t.y[9] = " 3,5 ";
    t.x[32] = "Ñ";
    ASSERT_TRUE(writeCoordinateFile(c.file("cy.txt"), t).ok);
    EXPECT_EQ(readCoordinateFile(c.file("cy.txt")), t);
}

TEST(CoordinateFile, FailedWriteLeavesTheOldFile) {
    TempDriveC c;
    c.write("cy.txt/x", "old");  // a folder where the file should be
    const textfile::WriteResult r = writeCoordinateFile(c.file("cy.txt"), defaultCoordinateTable());
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(c.read("cy.txt/x"), QByteArray("old"));
}
