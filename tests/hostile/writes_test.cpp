// Writes that fail for real, half-way, and writes from two programs at once:
// the files on drive C are always one whole version.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

#include "SOLO_CLASIF/core/coordinates.h"
#include "common/core/settingsfile.h"
#include "testenv.h"

namespace {

// While it lives, no file this process (or a program it starts) writes may
// grow past `bytes`: a write beyond fails as on a full disk.
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
    ASSERT_TRUE(saveSettings(c.file("ini.prn"), {"OLD", "BASE"}));
    c.putDefaultCoordinates();
    const QByteArray coordinates = c.read("cy.txt");
    lomos::CoordinateTable changed = lomos::defaultCoordinateTable();
    changed.y[0] = "5";
    {
        FileSizeLimit limit(8);
        EXPECT_FALSE(saveSettings(c.file("ini.prn"), {"NEW-DIRECTORY", "NEW-BASE"}));
        EXPECT_FALSE(lomos::writeCoordinateFile(c.file("cy.txt"), changed).ok);
    }
    EXPECT_EQ(c.read("ini.prn"), QByteArray("OLD\r\nBASE\r\n"));
    EXPECT_EQ(c.read("cy.txt"), coordinates);
    // No half-written file is left beside them either.
    EXPECT_EQ(QDir(c.root()).entryList(QDir::Files), (QStringList{"cy.txt", "ini.prn"}));
}

TEST(Writes, AFullDiskLeavesTheOldPdfWhole) {
    TempDriveC c;
    c.putPrintFile(printFileWithFullItems(200));
    c.putDefaultCoordinates();
    QTemporaryDir out;
    const QString pdf = out.filePath("old.pdf");
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("%PDF old");
    old.close();
    for (const char* program : {LOMOS_EXE, FICHAS_EXE}) {
        FileSizeLimit limit(2000);
        const ProcessRun run = runProcess(QString::fromUtf8(program), {"--pdf", pdf});
        EXPECT_EQ(run.exitCode, 4) << program;
        EXPECT_TRUE(run.err.contains(QStringLiteral("No se pudo escribir el PDF"))) << run.err.toStdString();
    }
    EXPECT_EQ(readAll(pdf), QByteArray("%PDF old"));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{"old.pdf"});
}

TEST(Writes, TwoProgramsSavingAtOnceLeaveOneWholeVersion) {
    TempDriveC c;
    const QByteArray a = QByteArray(4000, 'A') + "\r\n" + QByteArray(4000, 'a') + "\r\n";
    const QByteArray b = QByteArray(4000, 'B') + "\r\n" + QByteArray(4000, 'b') + "\r\n";
    c.write("ini.prn", a);
    QProcess first, second;
    first.start(QStringLiteral(SETTINGS_WRITER), {c.root(), "A", "1000"});
    second.start(QStringLiteral(SETTINGS_WRITER), {c.root(), "B", "1000"});
    ASSERT_TRUE(first.waitForStarted() && second.waitForStarted());
    int reads = 0;
    while (first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) {
        const QByteArray now = c.read("ini.prn");
        ASSERT_TRUE(now == a || now == b) << "a mixed or partial file of " << now.size() << " bytes";
        ++reads;
        first.waitForFinished(0);
        second.waitForFinished(0);
    }
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_GT(reads, 10);
}
