#include <gtest/gtest.h>

#include "settingsfile.h"
#include "testenv.h"

namespace {
Settings loadFrom(const TempDriveC& c) { return loadSettings(c.file("ini.prn")); }
}  // namespace

TEST(SettingsFile, WritesTwoLinesEndedByCrLfAsTyped) {
    TempDriveC c;
    ASSERT_TRUE(saveSettings(c.file("ini.prn"), {QStringLiteral(" ALEPH500 "), QStringLiteral("BIB50")}));
    EXPECT_EQ(c.read("ini.prn"), QByteArray(" ALEPH500 \r\nBIB50\r\n"));
    const Settings back = loadFrom(c);
    EXPECT_EQ(back.clientDirectory, QStringLiteral(" ALEPH500 "));
    EXPECT_EQ(back.administrativeBase, QStringLiteral("BIB50"));
}

TEST(SettingsFile, EmptyValuesGiveFourBytes) {
    TempDriveC c;
    ASSERT_TRUE(saveSettings(c.file("ini.prn"), {}));
    EXPECT_EQ(c.read("ini.prn"), QByteArray("\r\n\r\n"));
}

TEST(SettingsFile, LettersRoundTripThroughWindows1252) {
    TempDriveC c;
    ASSERT_TRUE(saveSettings(c.file("ini.prn"), {QStringLiteral("Año"), QStringLiteral("Ñú")}));
    EXPECT_EQ(c.read("ini.prn"), QByteArray("A\xF1o\r\n\xD1\xFA\r\n"));
    EXPECT_EQ(loadFrom(c).clientDirectory, QStringLiteral("Año"));
    EXPECT_EQ(loadFrom(c).administrativeBase, QStringLiteral("Ñú"));
}

TEST(SettingsFile, TextItCannotHoldIsWrittenAsQuestionMarks) {
    TempDriveC c;
    ASSERT_TRUE(saveSettings(c.file("ini.prn"), {QStringLiteral("Ωx"), QStringLiteral("b")}));
    EXPECT_EQ(c.read("ini.prn"), QByteArray("?x\r\nb\r\n"));
}

struct LoadCase {
    const char* name;
    QByteArray bytes;
    const char* dir;
    const char* base;
};

class SettingsLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(SettingsLoad, Fields) {
    TempDriveC c;
    c.write("ini.prn", GetParam().bytes);
    const Settings s = loadFrom(c);
    EXPECT_EQ(s.clientDirectory, QString::fromUtf8(GetParam().dir));
    EXPECT_EQ(s.administrativeBase, QString::fromUtf8(GetParam().base));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsLoad,
    ::testing::Values(LoadCase{"empty_file", "", "", ""},
                      LoadCase{"one_line", "ALEPH\r\n", "ALEPH", ""},
                      LoadCase{"one_line_without_end", "ALEPH", "ALEPH", ""},
                      LoadCase{"three_lines", "a\r\nb\r\nc\r\n", "a", "b"},
                      LoadCase{"empty_first_line", "\r\nBIB\r\n", "", "BIB"},
                      LoadCase{"cr_only", "a\rb\r", "a", "b"},
                      LoadCase{"lone_lf_kept", "a\nb\r\nc\r\n", "a\nb", "c"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsFile, MissingFileOrFolderLeavesFieldsEmpty) {
    TempDriveC c;
    EXPECT_FALSE(Existe(c.file("ini.prn")));
    EXPECT_TRUE(loadFrom(c).clientDirectory.isEmpty());
    c.write("ini.prn/inside", "x");  // a folder named ini.prn
    EXPECT_TRUE(Existe(c.file("ini.prn")));
    const Settings s = loadFrom(c);
    EXPECT_TRUE(s.clientDirectory.isEmpty());
    EXPECT_TRUE(s.administrativeBase.isEmpty());
}

TEST(SettingsFile, FailedSaveLeavesOldFileWhole) {
    TempDriveC c;
    c.write("ini.prn/inside", "x");  // cannot be replaced by a file
    EXPECT_FALSE(saveSettings(c.file("ini.prn"), {QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(c.read("ini.prn/inside"), QByteArray("x"));
}

TEST(SettingsFile, DevicesAreNotRead) {
    // /dev/zero would never end.
    const Settings s = loadSettings(QStringLiteral("/dev/zero"));
    EXPECT_TRUE(s.clientDirectory.isEmpty());
}
