#include <gtest/gtest.h>

#include <QBuffer>

#include "linereader.h"

namespace {

struct Read {
    std::vector<std::string> lines;
    std::vector<bool> truncated;
};

Read readAll(const QByteArray& bytes, qsizetype maxLine = LineReader::kDefaultMaxLineBytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer, maxLine);
    Read read;
    std::string_view line;
    while (reader.next(line)) {
        read.lines.emplace_back(line);
        read.truncated.push_back(reader.truncated());
    }
    return read;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(LineReader, LineEnds) {
    EXPECT_EQ(readAll("a\r\nb\r\n").lines, (Lines{"a", "b"}));
    EXPECT_EQ(readAll("a\rb\r").lines, (Lines{"a", "b"}));
    // A lone LF stays part of the line.
    EXPECT_EQ(readAll("a\nb\r\nc").lines, (Lines{"a\nb", "c"}));
    EXPECT_EQ(readAll("\r\n\r\nx").lines, (Lines{"", "", "x"}));
    EXPECT_EQ(readAll("").lines, Lines{});
    EXPECT_EQ(readAll("last line without end").lines, (Lines{"last line without end"}));
    // CR CR LF: an empty line between.
    EXPECT_EQ(readAll("a\r\r\nb").lines, (Lines{"a", "", "b"}));
}

TEST(LineReader, CrLfSplitAcrossReads) {
    // Lines that end exactly at a read boundary, with the LF in the next read.
    for (int pad : {256 * 1024 - 1, 256 * 1024, 256 * 1024 + 1, 512 * 1024 - 1}) {
        QByteArray bytes(pad, 'x');
        bytes += "\r\nnext\r\n";
        const Read read = readAll(bytes);
        ASSERT_EQ(read.lines.size(), 2u) << pad;
        EXPECT_EQ(read.lines[0].size(), size_t(pad));
        EXPECT_EQ(read.lines[1], "next");
    }
}

TEST(LineReader, OverlongLineIsCutAndTheRestSkipped) {
    QByteArray bytes = QByteArray(5000, 'a') + "\r\nshort\r\n" + QByteArray(3000, 'b');
    const Read read = readAll(bytes, 1000);
    ASSERT_EQ(read.lines.size(), 3u);
    EXPECT_EQ(read.lines[0], std::string(1000, 'a'));
    EXPECT_TRUE(read.truncated[0]);
    EXPECT_EQ(read.lines[1], "short");
    EXPECT_FALSE(read.truncated[1]);
    EXPECT_EQ(read.lines[2], std::string(1000, 'b'));
}

TEST(LineReader, ManyLinesKeepTheirOrder) {
    QByteArray bytes;
    for (int i = 0; i < 100000; ++i) bytes += QByteArray::number(i) + (i % 2 ? "\r\n" : "\r");
    const Read read = readAll(bytes);
    ASSERT_EQ(read.lines.size(), 100000u);
    EXPECT_EQ(read.lines[0], "0");
    EXPECT_EQ(read.lines[99999], "99999");
}
