#include "printfile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

#include "linereader.h"
#include "textfile.h"

namespace printfile {
namespace {

size_t find(std::string_view haystack, std::string_view needle) {
    const void* hit = memmem(haystack.data(), haystack.size(), needle.data(), needle.size());
    return hit ? size_t(static_cast<const char*>(hit) - haystack.data()) : kNotFound;
}

}  // namespace

Status scan(const QString& path, std::span<const std::string_view> tags,
            const TaggedLineHandler& onLine) {
    const QFileInfo info(path);
    if (!info.exists()) return Status::Missing;
    if (!textfile::isRegularFile(path)) return Status::NotAFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Status::CannotOpen;
    return scan(file, tags, onLine);
}

namespace {

// Finds the tagged lines of a run of whole lines. All tags open with the same
// bytes ("<z"): one sweep looks for those with memmem, and each place they
// stand is checked against the tags. Lines without a tag cost only the sweep.
class TaggedLineFinder {
public:
    TaggedLineFinder(std::span<const std::string_view> tags, size_t maxLineBytes,
                     const TaggedLineHandler& onLine)
        : m_tags(tags), m_maxLine(maxLineBytes), m_onLine(onLine), m_starts(tags.size(), kNotFound) {
        m_prefix = tags.empty() ? std::string_view() : tags[0];
        for (std::string_view tag : tags) {
            size_t common = 0;
            while (common < m_prefix.size() && common < tag.size() && m_prefix[common] == tag[common]) ++common;
            m_prefix = m_prefix.substr(0, common);
        }
    }

    void scan(std::string_view lines) {
        if (m_prefix.empty()) return scanLineByLine(lines);
        size_t pos = 0;
        while (pos < lines.size()) {
            const size_t hit = find(lines.substr(pos), m_prefix);
            if (hit == kNotFound) break;
            const size_t at = pos + hit;
            if (at >= m_lineEnd) {  // a new line
                flush(lines);
                m_lineStart = lineStart(lines, pos, at);
                m_lineEnd = lineEnd(lines, at);
            }
            const size_t found = record(lines, at);
            // Only a tag's first place in a line counts: once every tag is
            // found, the rest of the line is passed over.
            pos = found == m_tags.size() ? m_lineEnd : at + 1;
        }
        flush(lines);
        m_lineStart = m_lineEnd = 0;
    }

private:
    static size_t lineStart(std::string_view lines, size_t from, size_t at) {
        const void* cr = memrchr(lines.data() + from, '\r', at - from);
        if (!cr) return from;
        size_t start = size_t(static_cast<const char*>(cr) - lines.data()) + 1;
        if (start < at && lines[start] == '\n') ++start;
        return start;
    }
    static size_t lineEnd(std::string_view lines, size_t at) {
        const void* cr = std::memchr(lines.data() + at, '\r', lines.size() - at);
        return cr ? size_t(static_cast<const char*>(cr) - lines.data()) : lines.size();
    }

    // Notes which tag, if any, stands at `at`; returns how many of the tags
    // the current line holds so far.
    size_t record(std::string_view lines, size_t at) {
        const std::string_view rest = lines.substr(at, m_lineEnd - at);
        for (size_t t = 0; t < m_tags.size(); ++t) {
            if (m_starts[t] != kNotFound || !rest.starts_with(m_tags[t])) continue;
            const size_t valueStart = at - m_lineStart + m_tags[t].size();
            if (valueStart > m_maxLine) continue;  // beyond the bound: not seen
            m_starts[t] = valueStart;
            ++m_found;
        }
        return m_found;
    }

    void flush(std::string_view lines) {
        if (m_found == 0) return;
        const size_t length = std::min(m_lineEnd - m_lineStart, m_maxLine);
        m_onLine(lines.substr(m_lineStart, length), m_starts);
        std::fill(m_starts.begin(), m_starts.end(), kNotFound);
        m_found = 0;
    }

    // Tags that share no opening byte: each line is searched for each tag.
    void scanLineByLine(std::string_view lines) {
        size_t pos = 0;
        while (pos < lines.size()) {
            m_lineStart = pos;
            m_lineEnd = lineEnd(lines, pos);
            const std::string_view line = lines.substr(pos, std::min(m_lineEnd - pos, m_maxLine));
            for (size_t t = 0; t < m_tags.size(); ++t) {
                const size_t at = find(line, m_tags[t]);
                if (at != kNotFound && at + m_tags[t].size() <= line.size()) {
                    m_starts[t] = at + m_tags[t].size();
                    ++m_found;
                }
            }
            flush(lines);
            pos = m_lineEnd + 1;
            if (pos < lines.size() && lines[pos] == '\n') ++pos;
        }
        m_lineStart = m_lineEnd = 0;
    }

    std::span<const std::string_view> m_tags;
    size_t m_maxLine;
    const TaggedLineHandler& m_onLine;
    std::string_view m_prefix;
    std::vector<size_t> m_starts;
    size_t m_found = 0;
    size_t m_lineStart = 0;
    size_t m_lineEnd = 0;  // the current line's terminator (or the run's end)
};

}  // namespace

Status scan(QIODevice& device, std::span<const std::string_view> tags,
            const TaggedLineHandler& onLine) {
    LineReader reader(device);
    TaggedLineFinder finder(tags, size_t(reader.maxLineBytes()), onLine);
    std::string_view lines;
    while (reader.nextLines(lines)) finder.scan(lines);
    return reader.failed() ? Status::ReadFailed : Status::Ok;
}

std::string_view valueAt(std::string_view line, size_t start) {
    if (start >= line.size()) return {};
    const std::string_view rest = line.substr(start);
    const size_t lt = rest.find('<');
    return lt == std::string_view::npos ? rest : rest.substr(0, lt);
}

}  // namespace printfile
