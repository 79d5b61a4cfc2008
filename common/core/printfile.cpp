#include "common/core/printfile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "common/core/bytesearch.h"
#include "common/core/linereader.h"
#include "common/core/textfile.h"

namespace printfile {

Status check(const QString& path) {
    if (!QFileInfo::exists(path)) return Status::Missing;
    if (!textfile::isRegularFile(path)) return Status::NotAFile;
    return QFile(path).open(QIODevice::ReadOnly) ? Status::Ok : Status::CannotOpen;
}

Status scan(const QString& path, std::span<const std::string_view> tags,
            const TaggedLineHandler& onLine) {
    return scan(path, Part{}, tags, onLine);
}

namespace {

// Parts smaller than this are not worth a thread of their own.
constexpr qint64 kMinPartBytes = 4 << 20;
// How far after a cut a line end is looked for; farther, the cut is dropped.
constexpr qint64 kLineEndWindow = 64 << 10;

// Where the line that holds byte `at` ends, just after its CR or CR LF; -1
// when no line end lies within the window.
qint64 afterLineEnd(QFile& file, qint64 at) {
    if (!file.seek(at)) return -1;
    const QByteArray window = file.read(kLineEndWindow + 1);
    const qsizetype cr = window.left(kLineEndWindow).indexOf('\r');
    if (cr < 0) return -1;
    return at + cr + (window.size() > cr + 1 && window[cr + 1] == '\n' ? 2 : 1);
}

}  // namespace

std::vector<Part> splitAtLines(const QString& path, int count) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {Part{}};
    count = int(std::clamp<qint64>(file.size() / kMinPartBytes, 1, count));
    std::vector<Part> parts;
    qint64 begin = 0;
    for (int i = 1; i < count; ++i) {
        const qint64 cut = afterLineEnd(file, file.size() * i / count);
        if (cut <= begin || cut >= file.size()) continue;
        parts.push_back({begin, cut});
        begin = cut;
    }
    parts.push_back({begin, -1});
    return parts;
}

namespace {

// Finds the tagged lines of a run of whole lines. All tags open with the same
// two bytes ("<z"): one pass over the run, eight bytes at a time, finds the
// places where those two bytes stand, and only there are the tags compared.
// Where a tag stands, its line's ends are looked up. Lines without a tag cost
// only the pass.
class TaggedLineFinder {
public:
    TaggedLineFinder(std::span<const std::string_view> tags, size_t maxLineBytes,
                     const TaggedLineHandler& onLine)
        : m_tags(tags),
          m_maxLine(maxLineBytes),
          m_onLine(onLine),
          m_starts(tags.size(), kNotFound) {
        Q_ASSERT(!tags.empty());
        for (std::string_view tag : tags)
            Q_ASSERT(tag.size() >= 2 && tag.substr(0, 2) == tags[0].substr(0, 2));
    }

    // A run starts at a line's start and ends at a line's end, or at the end
    // of the input.
    void scan(std::string_view lines) {
        using namespace bytesearch;
        const std::string_view pair = m_tags[0].substr(0, 2);
        const auto first = static_cast<unsigned char>(pair[0]);
        const auto second = static_cast<unsigned char>(pair[1]);
        const char* data = lines.data();
        m_searchedTo = 0;
        size_t i = 0;
        for (; i + 9 <= lines.size(); i += 8) {
            uint64_t pairs =
                bytesEqual(load(data + i), first) & bytesEqual(load(data + i + 1), second);
            for (; pairs != 0; pairs &= pairs - 1) candidate(lines, i + byteOf(pairs));
        }
        for (; i + 1 < lines.size(); ++i) {
            if (lines.substr(i).starts_with(pair)) candidate(lines, i);
        }
        flush(lines);
    }

private:
    // The tags' first two bytes stand at `at`.
    void candidate(std::string_view lines, size_t at) {
        if (at < m_lineEnd && m_found == m_tags.size()) return;  // the line is done
        // A tag holds no CR: one that matches lies within its line.
        const std::string_view rest = lines.substr(at);
        for (size_t t = 0; t < m_tags.size(); ++t) {
            if (!bytesearch::startsWith(rest, m_tags[t])) continue;
            if (at >= m_lineEnd) startLine(lines, at);
            if (m_starts[t] != kNotFound) continue;  // only a tag's first place counts
            const size_t valueStart = at - m_lineStart + m_tags[t].size();
            if (valueStart > m_maxLine) continue;  // beyond the bound: not seen
            m_starts[t] = valueStart;
            ++m_found;
        }
    }

    // Hands on the tagged line before, and finds the ends of the line `at`
    // stands in.
    void startLine(std::string_view lines, size_t at) {
        flush(lines);
        const size_t cr = lines.substr(m_searchedTo, at - m_searchedTo).rfind('\r');
        m_lineStart = cr == std::string_view::npos ? m_searchedTo : m_searchedTo + cr + 1;
        if (m_lineStart < at && lines[m_lineStart] == '\n') ++m_lineStart;
        m_lineEnd = std::min(lines.find('\r', at), lines.size());
        m_searchedTo = m_lineEnd;
    }

    void flush(std::string_view lines) {
        if (m_found > 0) {
            const size_t length = std::min(m_lineEnd - m_lineStart, m_maxLine);
            m_onLine(lines.substr(m_lineStart, length), m_starts);
            std::fill(m_starts.begin(), m_starts.end(), kNotFound);
            m_found = 0;
        }
        m_lineStart = m_lineEnd = 0;
    }

    std::span<const std::string_view> m_tags;
    size_t m_maxLine;
    const TaggedLineHandler& m_onLine;
    std::vector<size_t> m_starts;
    size_t m_found = 0;       // tags found in the current line
    size_t m_lineStart = 0;   // the current tagged line
    size_t m_lineEnd = 0;     // its CR, or the run's end
    size_t m_searchedTo = 0;  // no line starts between here and the current place
};

}  // namespace

namespace {

Status scan(QIODevice& device, qint64 readLimit, std::span<const std::string_view> tags,
            const TaggedLineHandler& onLine) {
    LineReader reader(device, LineReader::kDefaultMaxLineBytes, readLimit);
    TaggedLineFinder finder(tags, size_t(reader.maxLineBytes()), onLine);
    std::string_view lines;
    while (reader.nextLines(lines)) finder.scan(lines);
    return reader.failed() ? Status::ReadFailed : Status::Ok;
}

}  // namespace

Status scan(QIODevice& device, std::span<const std::string_view> tags,
            const TaggedLineHandler& onLine) {
    return scan(device, -1, tags, onLine);
}

Status scan(const QString& path, Part part, std::span<const std::string_view> tags,
            const TaggedLineHandler& onLine) {
    if (const Status status = check(path); status != Status::Ok) return status;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(part.begin)) return Status::CannotOpen;
    return scan(file, part.end < 0 ? -1 : part.end - part.begin, tags, onLine);
}

std::string_view valueAt(std::string_view line, size_t start) {
    if (start >= line.size()) return {};
    const std::string_view rest = line.substr(start);
    const size_t lt = rest.find('<');
    return lt == std::string_view::npos ? rest : rest.substr(0, lt);
}

}  // namespace printfile
