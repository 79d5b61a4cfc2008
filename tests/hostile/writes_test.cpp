// Writes that fail for real, half-way, and writes from two programs at once:
// every file on disk is always one whole version.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

#include "lomos/core/coordinates.h"
#include "common/core/settingsfile.h"
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

TEST(Writes, AFullDiskLeavesTheOldSettingsAndCoordinatesWhole) {
    TempDriveC c;
    c.putSettings("OLD", "BASE");
    c.putDefaultCoordinates();
    const QByteArray coordinates = c.read("cy.txt");
    {
        FileSizeLimit limit(8);
        EXPECT_FALSE(saveSettings(c.file("ini.prn"), {"NEW-DIRECTORY", "NEW-BASE"}));
        EXPECT_FALSE(lomos::writeCoordinateFile(c.file("cy.txt"), {}).ok);
    }
    EXPECT_EQ(c.read("ini.prn"), QByteArray("OLD\r\nBASE\r\n"));
    EXPECT_EQ(c.read("cy.txt"), coordinates);
    EXPECT_EQ(QDir(c.root()).entryList(QDir::Files), (QStringList{"cy.txt", "ini.prn"}));
}

TEST(Writes, WhatALinkPointsToIsNotReplacedUnlessAFile) {
    TempDriveC c;
    ASSERT_EQ(mkfifo(QFile::encodeName(c.file("pipe")).constData(), 0600), 0);
    ASSERT_EQ(symlink("pipe", QFile::encodeName(c.file("ini.prn")).constData()), 0);
    EXPECT_FALSE(saveSettings(c.file("ini.prn"), {"A", "B"}));
    EXPECT_FALSE(QFileInfo(c.file("pipe")).isFile());
}

TEST(Writes, AFullDiskLeavesTheOldPdfWhole) {
    TempDriveC c;
    c.putPrintFile(printFileWithFullItems(200));
    c.write("old.pdf", "%PDF old");
    for (const char* program : {LOMOS_EXE, FICHAS_EXE}) {
        FileSizeLimit limit(2000);
        const ProcessRun run = runProcess(QString::fromUtf8(program), {"--pdf", c.file("old.pdf")});
        EXPECT_EQ(run.exitCode, 4) << program;
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("No se pudo escribir el PDF"))) << program;
    }
    EXPECT_EQ(c.read("old.pdf"), QByteArray("%PDF old"));
    EXPECT_EQ(QDir(c.root()).entryList(QDir::Files), (QStringList{"ini.prn", "old.pdf"}));
}

TEST(Writes, TwoProgramsSavingAtOnceLeaveOneWholeVersion) {
    TempDriveC c;
    const QByteArray a = QByteArray(4000, 'A') + "\r\n" + QByteArray(4000, 'a') + "\r\n";
    const QByteArray b = QByteArray(4000, 'B') + "\r\n" + QByteArray(4000, 'b') + "\r\n";
    c.write("ini.prn", a);
    QProcess first, second;
    first.start(QStringLiteral(SETTINGS_WRITER), {c.root(), "A", "1000"});
    second.start(QStringLiteral(SETTINGS_WRITER), {c.root(), "B", "1000"});
    int reads = 0;
    while (first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) {
        const QByteArray now = c.read("ini.prn");
        ASSERT_TRUE(now == a || now == b)
            << "a mixed or partial file of " << now.size() << " bytes";
        ++reads;
        first.waitForFinished(0);
        second.waitForFinished(0);
    }
    EXPECT_EQ(first.exitCode() + second.exitCode(), 0);
    EXPECT_GT(reads, 10);
}
