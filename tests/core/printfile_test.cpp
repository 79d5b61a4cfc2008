// Reading the print file: lines, tags and values, whatever the client wrote.
#include "common/core/printfile/printfile.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <array>

#include "common/core/files/linereader.h"
#include "testenv.h"

namespace {

using Lines = std::vector<std::string>;

Lines readLines(QByteArray bytes, qsizetype maxLine = LineReader::kDefaultMaxLineBytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer, maxLine);
    Lines lines;
    std::string_view line;
    while (reader.next(line)) lines.emplace_back(line);
    return lines;
}

constexpr std::array<std::string_view, 2> kTags = {"<z30-call-no>", "<z13-title>"};

// Each tagged line with the value after each tag ("-" when the tag is not there).
Lines scanValues(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    Lines found;
    printfile::scan(buffer, kTags, [&](std::string_view line, std::span<const size_t> starts) {
        std::string entry;
        for (size_t start : starts) {
            entry +=
                start == printfile::kNotFound ? "-" : std::string(printfile::valueAt(line, start));
            entry += '|';
        }
        found.push_back(entry);
    });
    return found;
}

}  // namespace

TEST(LineReader, CrLfSplitAcrossReads) {
    // A CR at the very end of one read and its LF at the start of the next.
    for (int pad : {256 * 1024 - 1, 256 * 1024, 256 * 1024 + 1, 512 * 1024 - 1}) {
        const Lines lines = readLines(QByteArray(pad, 'x') + "\r\nnext\r\n");
        ASSERT_EQ(lines.size(), 2u) << pad;
        EXPECT_EQ(lines[1], "next") << pad;
    }
}

TEST(LineReader, AnOverlongLineIsCutAndTheRestSkipped) {
    EXPECT_EQ(readLines(QByteArray(5000, 'a') + "\r\nshort\r\n" + QByteArray(3000, 'b'), 1000),
              (Lines{std::string(1000, 'a'), "short", std::string(1000, 'b')}));
}

struct ScanCase {
    const char* name;
    QByteArray bytes;
    Lines found;  // per tagged line: call number | title |
};
class Tags : public testing::TestWithParam<ScanCase> {};
TEST_P(Tags, Values) { EXPECT_EQ(scanValues(GetParam().bytes), GetParam().found); }
// clang-format off
INSTANTIATE_TEST_SUITE_P(PrintFile, Tags, testing::Values(
    ScanCase{"no_closing_tag_runs_to_the_line_end", "<z13-title>no closing\r\n", {"-|no closing|"}},
    ScanCase{"lone_lf_does_not_end_a_line", "<z30-call-no>A\n<z13-title>B\r\n", {"A\n|B|"}},
    ScanCase{"last_line_without_end", "x\r\n<z13-title>T", {"-|T|"}}),
    CaseName());
// clang-format on

