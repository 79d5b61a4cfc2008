// The files on drive C, byte for byte: settings and coordinate files, the code
// page, numbers as typed, and where drive C puts each file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <thread>

#include "common/core/text/codepage.h"
#include "common/core/files/drivec.h"
#include "common/core/text/number.h"
#include "common/core/files/presets.h"
#include "common/core/files/settingsfile.h"
#include "lomos/core/coordinates.h"
#include "testenv.h"

using lomos::CoordinateTable;

struct Named {
    const char* name;
};

TEST(CodePage, EveryByteDecodesAndEncodesBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(char(b));
    const QString text = codepage::decode(all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));  // the euro sign
    EXPECT_EQ(text[0x81], QChar(0x81));    // undefined: the code point of the same value
    EXPECT_EQ(codepage::encode(text), QByteArray(all.data(), 256));
    std::string utf8;
    codepage::appendUtf8(all, utf8);
    EXPECT_EQ(QString::fromStdString(utf8), text);
    // One "?" for every character the code page cannot hold, even outside the basic plane.
    EXPECT_EQ(codepage::encode(QStringLiteral("Ωa\U0001F4DAñ")), QByteArray("?a?\xF1"));
}

struct NumberCase : Named {
    const char16_t* text;
    std::optional<double> value;
};
class ParseNumber : public testing::TestWithParam<NumberCase> {};
TEST_P(ParseNumber, Value) { EXPECT_EQ(parseNumber(GetParam().text), GetParam().value); }
// clang-format off
INSTANTIATE_TEST_SUITE_P(Typed, ParseNumber, testing::Values(
    NumberCase{{"comma"}, u"9,5", 9.5}, NumberCase{{"blanks_around"}, u" \t2 ", 2.0},
    NumberCase{{"exponent"}, u"1e3", {}}),
    CaseName());
// clang-format on

TEST(SettingsFile, TwoLinesAsTypedInTheCodePage) {
    TempDriveC c;
    ASSERT_TRUE(
        saveSettings(c.file("ini.prn"), {QStringLiteral(" Año "), QStringLiteral("Ωx")}).ok);
    EXPECT_EQ(c.read("ini.prn"), QByteArray(" A\xF1o \r\n?x\r\n"));
    EXPECT_EQ(loadSettings(c.file("ini.prn")).clientDirectory, QStringLiteral(" Año "));
    ASSERT_TRUE(saveSettings(c.file("ini.prn"), {}).ok);
    EXPECT_EQ(c.read("ini.prn"), QByteArray("\r\n\r\n"));
    c.write("ini.prn", "\r\nBIB\r\nextra\r\n");  // an empty first line; a third, ignored
    EXPECT_EQ(loadSettings(c.file("ini.prn")).clientDirectory, QString());
    EXPECT_EQ(loadSettings(c.file("ini.prn")).administrativeBase, QStringLiteral("BIB"));
}

TEST(SettingsFile, ASaveWaitsForAnotherProgramReadingIt) {
    TempDriveC c;
    c.putSettings("OLD", "B");
    auto reader = std::make_unique<QFile>(c.file("ini.prn"));  // another program, reading
    ASSERT_TRUE(reader->open(QIODevice::ReadOnly));
    std::jthread letGo([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        reader->close();
    });
    EXPECT_TRUE(saveSettings(c.file("ini.prn"), {"NEW", "B"}).ok);
    letGo.join();
    EXPECT_EQ(c.read("ini.prn"), QByteArray("NEW\r\nB\r\n"));
}

// Where drive C refuses a staff account, a save lands in the user's own
// copy: the next start reads that copy first, whether drive C holds a file
// of its own or none, and drive C's file when the user has no copy.
struct ReadCase : Named {
    bool onDriveC;
    bool userCopy;
    const char* read;
};
class ReadWhereSaved : public testing::TestWithParam<ReadCase> {};
TEST_P(ReadWhereSaved, SettingsAndCoordinates) {
    TempDriveC c;
    QDir().mkpath(textfile::userFolder());
    for (const char* name : {"ini.prn", "cy.txt"}) {
        if (GetParam().onDriveC) c.write(name, "C\r\nC\r\n");
        if (GetParam().userCopy) c.write("usuario/Etiquetas/" + QString(name), "U\r\nU\r\n");
    }
    ASSERT_EQ(textfile::userCopyOf(c.file("cy.txt")), c.file("usuario/Etiquetas/cy.txt"));
    EXPECT_EQ(loadSettings(drivec::settingsFile()).administrativeBase, GetParam().read);
    EXPECT_EQ(lomos::readCoordinateFile(drivec::coordinateFile()).x[32], GetParam().read);
}
INSTANTIATE_TEST_SUITE_P(Files, ReadWhereSaved,
                         testing::Values(ReadCase{{"drive_c_alone"}, true, false, "C"},
                                         ReadCase{{"user_copy_alone"}, false, true, "U"},
                                         ReadCase{{"user_copy_first"}, true, true, "U"}),
                         CaseName());

namespace {
// A coordinate file whose line i holds the number i.
QByteArray numberedLines(int count) {
    QByteArray out;
    for (int i = 1; i <= count; ++i) out += QByteArray::number(i) + "\r\n";
    return out;
}
}  // namespace

TEST(CoordinateFile, YThenXShortFilesAndTextAsTyped) {
    TempDriveC c;
    c.write("cy.txt", numberedLines(70));
    CoordinateTable t = lomos::readCoordinateFile(c.file("cy.txt"));
    EXPECT_EQ(t.y[4], "5");
    EXPECT_EQ(t.x[4], "38");
    EXPECT_EQ(t.x[32], "66");  // lines after 66 are ignored
    c.write("cy.txt", numberedLines(33));
    t = lomos::readCoordinateFile(c.file("cy.txt"));
    EXPECT_EQ(t.y[32], "33");
    EXPECT_EQ(t.x[0], "33");
    EXPECT_EQ(lomos::readCoordinateFile(c.file("none.txt")), CoordinateTable{});
    t = lomos::defaultCoordinateTable();  // what is typed comes back as typed
    t.y[5] = "";
    t.x[7] = "abc";
    t.y[9] = " 3,5 ";
    t.x[32] = "Ñ";
    ASSERT_TRUE(lomos::writeCoordinateFile(c.file("cy.txt"), t).ok);
    EXPECT_EQ(lomos::readCoordinateFile(c.file("cy.txt")), t);
}

TEST(DriveC, NamesCopiedFromWindowsMatchIgnoringCaseUnlessAmbiguous) {
    TempDriveC c;
    c.write("Cliente/catalog/Files/bib50/print/ITEMLBL.PRN", "x");
    EXPECT_EQ(readAll(drivec::printFile("CLIENTE", "BIB50")), "x");
#ifndef Q_OS_WIN  // where names differ only in case, they are different files
    c.write("Dos/a", "x");
    c.write("DOS/b", "x");
    EXPECT_EQ(drivec::path("dos\\a"), c.file("dos/a"));
#endif
}

// What IT sets for the machine: the first source giving a key wins, a lock
// over the user's own choice, a preset under it, an empty value as none.
struct PresetCase : Named {
    std::vector<QByteArray> sources;   // the files, in their order
    std::optional<QString> user;       // the user's own stock
    std::optional<QString> inForce;    // the stock in force
    bool locked;
};

class MachinePresets : public testing::TestWithParam<PresetCase> {};

TEST_P(MachinePresets, StockInForce) {
    const TempDriveC drive;
    std::vector<std::unique_ptr<QSettings>> sources;
    for (size_t i = 0; i < GetParam().sources.size(); ++i) {
        const QString name = QStringLiteral("fuente%1.conf").arg(i);
        drive.write(name, GetParam().sources[i]);
        sources.push_back(std::make_unique<QSettings>(drive.file(name), QSettings::IniFormat));
    }
    const presets::Presets presets = presets::Presets::readFrom(sources);
    EXPECT_EQ(presets.inForce(presets::Key::Stock, GetParam().user), GetParam().inForce);
    EXPECT_EQ(presets.isLocked(presets::Key::Stock), GetParam().locked);
}

INSTANTIATE_TEST_SUITE_P(Sources, MachinePresets, testing::Values(
    PresetCase{{"nothing"}, {""}, std::nullopt, std::nullopt, false},
    PresetCase{{"preset_without_a_choice"}, {"[predeterminado]\nhoja=Herma 4102\n"}, std::nullopt, "Herma 4102", false},
    PresetCase{{"the_user_over_a_preset"}, {"[predeterminado]\nhoja=Herma 4102\n"}, "Apli 1285", "Apli 1285", false},
    PresetCase{{"a_lock_over_the_user"}, {"[bloqueado]\nhoja=Herma 4102\n"}, "Apli 1285", "Herma 4102", true},
    PresetCase{{"the_policy_before_the_file"},
               {"[bloqueado]\nhoja=Herma 4102\n", "[bloqueado]\nhoja=Apli 1285\n[predeterminado]\nhoja=Apli 1285\n"},
               std::nullopt, "Herma 4102", true},
    PresetCase{{"an_empty_lock_is_none"},
               {"[bloqueado]\nhoja=\n", "[bloqueado]\nhoja=Apli 1285\n"}, std::nullopt, "Apli 1285", true},
    PresetCase{{"another_key_locks_nothing_else"}, {"[bloqueado]\nidioma=ca\n"}, "Apli 1285", "Apli 1285", false}
), CaseName());
