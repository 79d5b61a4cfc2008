// Print and settings files that no client writes: both programs finish in
// bounded time and memory, and say what went wrong.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "testenv.h"

namespace {

const QString kPrintFile = QStringLiteral("CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn");

// Appends `head`, `pattern` repeated to about `bytes`, then `tail`, a megabyte
// at a time, so that this process stays small: a program it starts would
// count what it inherits as its own memory.
void appendBig(const QString& path, const QByteArray& head, qint64 bytes, const QByteArray& pattern,
               const QByteArray& tail) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(head);
    const QByteArray block = pattern.repeated((1 << 20) / pattern.size());
    for (qint64 written = 0; written < bytes; written += block.size()) f.write(block);
    f.write(tail);
}

// Replaces a file of drive C by a named pipe nobody writes to (a reader would
// wait for ever) or by a link to /dev/zero (which never ends).
void fifo(const TempDriveC& c, const QString& name) {
    QFile::remove(c.file(name));
    ASSERT_EQ(mkfifo(QFile::encodeName(c.file(name)).constData(), 0600), 0);
}
void zeros(const TempDriveC& c, const QString& name) {
    QFile::remove(c.file(name));
    ASSERT_EQ(symlink("/dev/zero", QFile::encodeName(c.file(name)).constData()), 0);
}

struct HostileCase {
    const char* name;
    void (*make)(const TempDriveC& c);
    int exitCode;
    const char* out;  // what standard output or standard error starts with
};

const HostileCase kCases[] = {
    {"gigabyte_without_a_line_end",  // sparse: takes no disk
     [](const TempDriveC& c) { QFile(c.file(kPrintFile)).resize(qint64(1) << 30); }, 0,
     "Se han generado 0 etiquetas\n"},
    {"fifty_megabyte_lines_holding_the_tags",
     [](const TempDriveC& c) {
         appendBig(c.file(kPrintFile), "<z30-call-no>", 50 << 20, "Q", "</z30-call-no>\r\n");
         appendBig(c.file(kPrintFile), "<z13-title>", 50 << 20, "palabra ", "</z13-title>\r\n");
         appendBig(c.file(kPrintFile), "<z30-barcode>", 50 << 20, "7", "</z30-barcode>\r\n");
     },
     0, "Se han generado 1 etiquetas\n"},
    {"a_line_holding_the_tags_a_hundred_thousand_times",
     [](const TempDriveC& c) {
         appendBig(c.file(kPrintFile), "", 100000 * 56,
                   "<z30-call-no>A B<z13-title>T<z13-author>U<z30-barcode>1", "\r\n");
     },
     0, "Se han generado 1 etiquetas\n"},
    {"print_file_a_pipe", [](const TempDriveC& c) { fifo(c, kPrintFile); }, 3,
     "No se pudo leer el archivo de etiquetas:\n"},
    {"settings_file_endless", [](const TempDriveC& c) { zeros(c, "ini.prn"); }, 2,
     "Falta especificar información"},
};

class Hostile : public testing::TestWithParam<std::tuple<const char*, HostileCase>> {};

}  // namespace

TEST_P(Hostile, FinishesInBoundedMemory) {
    const auto& [program, hostile] = GetParam();
    TempDriveC c;
    c.putPrintFile({});
    c.putDefaultCoordinates();
    hostile.make(c);
    // /usr/bin/time reports the program's own peak resident size.
    ProcessRun run = runProcess(QStringLiteral("/usr/bin/time"),
                                {"-f", "peak_kb=%M", program, "--pdf", c.file("o.pdf")});
    const qsizetype at = run.err.lastIndexOf(QStringLiteral("peak_kb="));
    ASSERT_GE(at, 0) << run.err.toStdString();
    const long peakMb = run.err.mid(at + 8).trimmed().toLong() / 1024;
    EXPECT_EQ(run.exitCode, hostile.exitCode) << run.err.toStdString();
    EXPECT_TRUE(
        (hostile.exitCode == 0 ? run.out : run.err).startsWith(QString::fromUtf8(hostile.out)));
    EXPECT_LT(peakMb, 256);
    RecordProperty("peak_mb", int(peakMb));
}

INSTANTIATE_TEST_SUITE_P(Programs, Hostile,
                         testing::Combine(testing::Values(LOMOS_EXE, FICHAS_EXE),
                                          testing::ValuesIn(kCases)),
                         [](const auto& info) {
                             return std::string(info.index < std::size(kCases) ? "lomos_"
                                                                               : "fichas_") +
                                    std::get<1>(info.param).name;
                         });
