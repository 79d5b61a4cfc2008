#include "common/core/files/linereader.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr size_t kChunk = 256 * 1024;
}

LineReader::LineReader(QIODevice& device, qsizetype maxLineBytes, qint64 readLimit)
    : m_device(device), m_maxLineBytes(std::max<qsizetype>(1, maxLineBytes)), m_left(readLimit) {
    m_buffer.resize(kChunk);
}

// Moves the unread bytes to the front and reads more after them. False when
// nothing more could be read.
bool LineReader::fill() {
    if (m_eof) return false;
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    if (m_buffer.size() - m_end < kChunk / 2) {
        m_buffer.resize(std::min(m_buffer.size() * 2, size_t(m_maxLineBytes) + kChunk));
    }
    qint64 wanted = qint64(m_buffer.size() - m_end);
    if (m_left >= 0) wanted = std::min(wanted, m_left);
    const qint64 got = wanted == 0 ? 0 : m_device.read(m_buffer.data() + m_end, wanted);
    if (got > 0 && m_left >= 0) m_left -= got;
    if (got < 0) {
        m_failed = true;
        m_eof = true;
        return false;
    }
    if (got == 0) {
        m_eof = true;
        return false;
    }
    m_end += size_t(got);
    if (m_skipLeadingLf) {
        m_skipLeadingLf = false;
        if (m_buffer[m_begin] == '\n') ++m_begin;
    }
    return true;
}

void LineReader::skipRestOfLongLine() {
    for (;;) {
        const char* start = m_buffer.data() + m_begin;
        const char* cr = static_cast<const char*>(std::memchr(start, '\r', m_end - m_begin));
        if (cr) {
            m_begin = size_t(cr - m_buffer.data()) + 1;
            if (m_begin < m_end) {
                if (m_buffer[m_begin] == '\n') ++m_begin;
            } else {
                m_skipLeadingLf = true;
            }
            return;
        }
        m_begin = m_end = 0;  // drop what was scanned; the buffer does not grow here
        if (!fill()) return;
    }
}

bool LineReader::next(std::string_view& line) {
    size_t scanned = 0;  // bytes of the current line already known to hold no CR
    for (;;) {
        const char* start = m_buffer.data() + m_begin;
        const size_t avail = m_end - m_begin;
        const char* cr =
            static_cast<const char*>(std::memchr(start + scanned, '\r', avail - scanned));
        if (cr) {
            const size_t len = size_t(cr - start);
            if (len > size_t(m_maxLineBytes)) break;  // long line: handled below
            line = std::string_view(start, len);
            m_begin += len + 1;
            if (m_begin < m_end) {
                if (m_buffer[m_begin] == '\n') ++m_begin;
            } else {
                m_skipLeadingLf = true;
            }
            return true;
        }
        scanned = avail;
        if (avail > size_t(m_maxLineBytes)) break;
        if (!fill()) {
            if (m_end > m_begin) {  // last line without terminator
                line = std::string_view(m_buffer.data() + m_begin, m_end - m_begin);
                m_begin = m_end;
                return !m_failed;
            }
            return false;
        }
    }
    // The line is longer than the bound: hand out its head, skip the rest.
    const size_t headLen = size_t(m_maxLineBytes);
    // The head must stay valid after skipping, so keep it at the front of a
    // buffer region that skipping does not touch.
    m_head.assign(m_buffer.data() + m_begin, m_buffer.data() + m_begin + headLen);
    m_begin += headLen;
    skipRestOfLongLine();
    line = std::string_view(m_head.data(), m_head.size());
    return true;
}

bool LineReader::nextLines(std::string_view& lines) {
    for (;;) {
        const char* start = m_buffer.data() + m_begin;
        const size_t avail = m_end - m_begin;
        const size_t lastCr = std::string_view(start, avail).rfind('\r');
        if (lastCr != std::string_view::npos) {
            size_t end = m_begin + lastCr + 1;
            if (end < m_end) {
                if (m_buffer[end] == '\n') ++end;
            } else {
                m_skipLeadingLf = true;
            }
            lines = std::string_view(start, end - m_begin);
            m_begin = end;
            return true;
        }
        if (avail > size_t(m_maxLineBytes)) return next(lines);  // one long line, cut
        if (!fill()) {
            if (m_end > m_begin) {  // last line without terminator
                lines = std::string_view(m_buffer.data() + m_begin, m_end - m_begin);
                m_begin = m_end;
                return !m_failed;
            }
            return false;
        }
    }
}
