#pragma once

#include <QIODevice>
#include <string_view>
#include <vector>

// Reads a device line by line without holding more than one line.
//
// A line ends at CR or at CR LF; the terminator is not part of the line and a
// lone LF stays in it. A last line without terminator is still a line.
//
// Memory is bounded: a line longer than maxLineBytes is handed out cut to its
// first maxLineBytes bytes, and the rest of it, up to the next line end, is
// skipped unread into memory. The buffer never grows past maxLineBytes plus
// one read chunk.
class LineReader {
public:
    static constexpr qsizetype kDefaultMaxLineBytes = 1 << 20;

    // Reads at most `readLimit` bytes of the device when it is not negative.
    explicit LineReader(QIODevice& device, qsizetype maxLineBytes = kDefaultMaxLineBytes,
                        qint64 readLimit = -1);

    // The next line, valid until the following call. False at the end of the
    // input or when reading failed (see failed()).
    bool next(std::string_view& line);

    // The next run of whole lines, as many as the buffer holds: each ends at
    // CR or CR LF, except a last line of the input without terminator. Valid
    // until the following call. A line longer than maxLineBytes comes alone,
    // cut, as next() gives it; other lines may still pass the bound inside a
    // run, so a reader of runs applies the bound itself. False at the end of
    // the input or when reading failed.
    bool nextLines(std::string_view& lines);

    qsizetype maxLineBytes() const { return m_maxLineBytes; }
    bool failed() const { return m_failed; }

private:
    bool fill();
    void skipRestOfLongLine();

    QIODevice& m_device;
    qsizetype m_maxLineBytes;
    qint64 m_left;  // bytes still to read, or -1 for all
    std::vector<char> m_buffer;
    std::vector<char> m_head;  // the kept head of the last over-long line
    size_t m_begin = 0;        // first unread byte
    size_t m_end = 0;          // one past the last byte read from the device
    bool m_eof = false;
    bool m_failed = false;
    bool m_skipLeadingLf = false;  // the last line ended with a CR at the buffer's end
};
