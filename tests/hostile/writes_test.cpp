// Writes that fail for real, half-way, and a drive C that refuses a staff
// account: every file on disk is one whole version, and what is saved is read
// back.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "common/core/files/drivec.h"
#include "common/core/files/settingsfile.h"
#include "lomos/core/coordinates.h"
#include "pdfwords.h"
#include "testenv.h"

namespace {

// While it lives, no file this process (or a program it starts) writes may
// grow past `bytes`: a write beyond comes out short, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, SIG_IGN);  // a failing write instead of the end of the process
        const rlimit limit{bytes, m_before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_before); }

private:
    rlimit m_before{};
};

}  // namespace

struct RefusalCase {
    const char* name;
    bool folderRefuses;
    bool filesRefuse;
    bool savedOnDriveC;
    bool driveCEmpty = false;  // a new install: no ini.prn, no cy.txt
};
class RefusingDriveC : public testing::TestWithParam<RefusalCase> {};
TEST_P(RefusingDriveC, WhatIsSavedIsReadBackAndDriveCStaysWhole) {
    const RefusalCase& r = GetParam();
    if (geteuid() != 0) GTEST_SKIP() << "chattr needs root";
    TempDriveC c;
    if (!r.driveCEmpty) {
        c.putSettings("CLIENTE", "BIB50");
        c.putDefaultCoordinates();
    }
    c.write("OTRO/CATALOG/FILES/BIB50/PRINT/itemlbl.prn", printFileWithFullItems(2));
    QDir().mkpath(textfile::userFolder());
    const QByteArray settings = c.read("ini.prn"), coordinates = c.read("cy.txt");
    lomos::CoordinateTable table = lomos::defaultCoordinateTable();
    table.x[4] = "9.75";
    QStringList refusing;
    if (r.folderRefuses) refusing << c.root();
    if (r.filesRefuse) refusing << c.file("ini.prn") << c.file("cy.txt");
    {
        Immutable immutable(refusing);
        ASSERT_TRUE(immutable.ok());
        EXPECT_TRUE(saveSettings(drivec::settingsFile(), {"OTRO", "BIB50"}).ok);
        const textfile::WriteResult saved =
            lomos::writeCoordinateFile(drivec::coordinateFile(), table);
        EXPECT_TRUE(saved.ok);
        EXPECT_EQ(saved.savedTo, r.savedOnDriveC ? drivec::coordinateFile()
                                                 : textfile::userCopyOf(drivec::coordinateFile()));
        // The next start reads them, and so does the windowless job of both programs.
        EXPECT_EQ(loadSettings(drivec::settingsFile()).clientDirectory, QStringLiteral("OTRO"));
        EXPECT_EQ(lomos::readCoordinateFile(drivec::coordinateFile()), table);
        for (const char* program : {LOMOS_EXE, FICHAS_EXE}) {
            EXPECT_EQ(runProcess(program, {"--pdf", c.file("usuario/x.pdf")}).out,
                      QStringLiteral("Se han generado 2 etiquetas\n"));
        }
        runProcess(LOMOS_EXE, {"--pdf", c.file("usuario/t.pdf"), "--test-sheet"});
        EXPECT_EQ(readPdfWords(c.file("usuario/t.pdf")).find("9,75").size(), 1);
    }
    if (r.savedOnDriveC) {
        EXPECT_EQ(c.read("ini.prn"), QByteArray("OTRO\r\nBIB50\r\n"));
    } else {
        EXPECT_EQ(c.read("ini.prn"), settings);
        EXPECT_EQ(c.read("cy.txt"), coordinates);
    }
    const QStringList files = r.driveCEmpty ? QStringList() : QStringList{"cy.txt", "ini.prn"};
    EXPECT_EQ(QDir(c.root()).entryList(QDir::Files), files);
}
// clang-format off
INSTANTIATE_TEST_SUITE_P(Saves, RefusingDriveC, testing::Values(
    RefusalCase{"folder_and_files_refuse", true, true, false},
    RefusalCase{"files_refuse", false, true, false},
    RefusalCase{"folder_refuses_files_writable", true, false, true},
    RefusalCase{"empty_and_refusing", true, false, false, true}),
    CaseName());
// clang-format on

TEST(Writes, AFullDiskLeavesTheOldSettingsAndCoordinatesWhole) {
    TempDriveC c;
    c.putSettings("OLD", "BASE");
    c.putDefaultCoordinates();
    const QByteArray coordinates = c.read("cy.txt");
    {
        FileSizeLimit limit(8);
        EXPECT_FALSE(saveSettings(c.file("ini.prn"), {"NEW-DIRECTORY", "NEW-BASE"}).ok);
        EXPECT_FALSE(lomos::writeCoordinateFile(c.file("cy.txt"), lomos::defaultCoordinateTable()).ok);
    }
    EXPECT_EQ(c.read("ini.prn"), QByteArray("OLD\r\nBASE\r\n"));
    EXPECT_EQ(c.read("cy.txt"), coordinates);
    EXPECT_EQ(QDir(c.root()).entryList(QDir::Files), (QStringList{"cy.txt", "ini.prn"}));
}

TEST(Writes, WhatALinkPointsToIsNotReplacedUnlessAFile) {
    TempDriveC c;
    ASSERT_EQ(mkfifo(QFile::encodeName(c.file("pipe")).constData(), 0600), 0);
    ASSERT_EQ(symlink("pipe", QFile::encodeName(c.file("ini.prn")).constData()), 0);
    EXPECT_FALSE(saveSettings(c.file("ini.prn"), {"A", "B"}).ok);
    EXPECT_FALSE(QFileInfo(c.file("pipe")).isFile());
}
