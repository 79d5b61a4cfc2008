// Print, settings and coordinate files that no client writes: both programs
// must finish in bounded time and memory, and say what went wrong.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

#include "testenv.h"

namespace {

constexpr long kMaxPeakMb = 256;
constexpr QLatin1String kPrintFile("CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn");

// The peak resident size of the last program run, in MB.
long g_peakMb = -1;

// Runs the program under /usr/bin/time, which reports the program's own peak
// resident size: a program started straight from this test would count what
// it inherits from this process at its start as its own.
ProcessRun run(const char* exe, const QString& pdf) {
    ProcessRun r = runProcess(QStringLiteral("/usr/bin/time"),
                              {"-f", "peak_kb=%M", QString::fromUtf8(exe), "--pdf", pdf});
    const qsizetype at = r.err.lastIndexOf(QStringLiteral("peak_kb="));
    g_peakMb = at < 0 ? -1 : r.err.mid(at + 8).trimmed().toLong() / 1024;
    if (at >= 0) r.err.truncate(at);
    return r;
}

long childrenPeakMb() { return g_peakMb; }

// Appends `head`, then `pattern` repeated to about `fillBytes`, then `tail`,
// a megabyte at a time: this process stays small, so that what a program it
// starts inherits at its start does not count as that program's own memory.
void appendBig(const QString& path, const QByteArray& head, qint64 fillBytes, const QByteArray& pattern,
               const QByteArray& tail) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(head);
    const QByteArray block = pattern.repeated((1 << 20) / pattern.size());
    for (qint64 written = 0; written < fillBytes; written += block.size()) f.write(block);
    f.write(tail);
}

class Hostile : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        m_c = std::make_unique<TempDriveC>();
        m_c->putSettings("CLIENTE", "BIB50");
        m_c->putDefaultCoordinates();
    }
    QString printFile() const { return m_c->file(kPrintFile); }
    ProcessRun runIt() { return run(GetParam(), m_out.filePath("out.pdf")); }

    std::unique_ptr<TempDriveC> m_c;
    QTemporaryDir m_out;
};

}  // namespace

TEST_P(Hostile, AGigabyteWithoutALineEnd) {
    // Sparse: a gigabyte of zeros that takes no disk.
    QDir().mkpath(QFileInfo(printFile()).absolutePath());
    QFile f(printFile());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(qint64(1) << 30));
    f.close();
    const ProcessRun o = runIt();
    EXPECT_EQ(o.exitCode, 0) << o.err.toStdString();
    EXPECT_EQ(o.out, QStringLiteral("Se han generado 0 etiquetas\n"));
    EXPECT_GT(childrenPeakMb(), 0);
    EXPECT_LT(childrenPeakMb(), kMaxPeakMb);
    RecordProperty("ms", int(o.ms));
    RecordProperty("peak_mb", int(childrenPeakMb()));
}

TEST_P(Hostile, FiftyMegabyteLinesHoldingTheTags) {
    constexpr qint64 k50Mb = qint64(50) << 20;
    appendBig(printFile(), "<z30-call-no>", k50Mb, "Q", "</z30-call-no>\r\n");
    appendBig(printFile(), "<z13-title>", k50Mb, "palabra ", "</z13-title>\r\n");
    appendBig(printFile(), "<z30-barcode>", k50Mb, "7", "</z30-barcode>\r\n<z13-author>A</z13-author>\r\n");
    const ProcessRun o = runIt();
    EXPECT_EQ(o.exitCode, 0) << o.err.toStdString();
    EXPECT_EQ(o.out, QStringLiteral("Se han generado 1 etiquetas\n"));
    EXPECT_GT(childrenPeakMb(), 0);
    EXPECT_LT(childrenPeakMb(), kMaxPeakMb);
    RecordProperty("ms", int(o.ms));
    RecordProperty("peak_mb", int(childrenPeakMb()));
}

TEST_P(Hostile, ALineHoldingTheTagAHundredThousandTimes) {
    QDir().mkpath(QFileInfo(printFile()).absolutePath());
    QFile f(printFile());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("<z30-call-no>A B<z13-title>T<z13-author>U<z30-barcode>1").repeated(100000) + "\r\n");
    f.close();
    const ProcessRun o = runIt();
    EXPECT_EQ(o.exitCode, 0) << o.err.toStdString();
    EXPECT_EQ(o.out, QStringLiteral("Se han generado 1 etiquetas\n"));  // one line, one label
    EXPECT_GT(childrenPeakMb(), 0);
    EXPECT_LT(childrenPeakMb(), kMaxPeakMb);
}

TEST_P(Hostile, PrintFilesThatAreNotFilesGetTheNotice) {
    QDir().mkpath(QFileInfo(printFile()).absolutePath());
    const QByteArray path = QFile::encodeName(printFile());
    // A named pipe nobody writes to would block a reader for ever.
    ASSERT_EQ(mkfifo(path.constData(), 0600), 0);
    ProcessRun o = runIt();
    EXPECT_EQ(o.exitCode, 3);
    EXPECT_TRUE(o.err.startsWith(QStringLiteral("No se pudo leer el archivo de etiquetas:\n"))) << o.err.toStdString();
    QFile::remove(printFile());

    ASSERT_EQ(symlink("/dev/zero", path.constData()), 0);
    o = runIt();
    EXPECT_EQ(o.exitCode, 3);
    QFile::remove(printFile());

    ASSERT_TRUE(QDir().mkpath(printFile()));
    o = runIt();
    EXPECT_EQ(o.exitCode, 3);
}

TEST_P(Hostile, SettingsAndCoordinatesThatAreNotFiles) {
    m_c->putPrintFile("<z30-call-no>A</z30-call-no>\r\n");
    QFile::remove(m_c->file("cy.txt"));
    ASSERT_EQ(mkfifo(QFile::encodeName(m_c->file("cy.txt")).constData(), 0600), 0);
    ProcessRun o = runIt();  // no positions, but no hang
    EXPECT_EQ(o.exitCode, 0) << o.err.toStdString();

    QFile::remove(m_c->file("ini.prn"));
    ASSERT_EQ(symlink("/dev/zero", QFile::encodeName(m_c->file("ini.prn")).constData()), 0);
    o = runIt();
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_TRUE(o.err.contains(QStringLiteral("Falta especificar información")));
}

INSTANTIATE_TEST_SUITE_P(Programs, Hostile, ::testing::Values(LOMOS_EXE, FICHAS_EXE),
                         [](const auto& info) { return std::string(info.index == 0 ? "lomos" : "fichas"); });
