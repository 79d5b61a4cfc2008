#include "common/core/printfile/printfile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "common/core/text/bytesearch.h"
#include "common/core/files/linereader.h"
#include "common/core/files/textfile.h"

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

// One tag, ready to be compared where the tags' first two bytes stand. A tag
// of 8 to 16 bytes, as the print file's are, is compared as two words that
// overlap when it is shorter than 16.
class Tag {
public:
    explicit Tag(std::string_view text)
        : m_text(text),
          m_words(text.size() >= 8 && text.size() <= 16),
          m_tail(m_words ? text.size() - 8 : 0),
          m_head(m_words ? bytesearch::load(text.data()) : 0),
          m_last(m_words ? bytesearch::load(text.data() + m_tail) : 0) {}

    size_t size() const { return m_text.size(); }

    // Whether `text` opens with the tag.
    bool opens(std::string_view text) const {
        if (text.size() < m_text.size()) return false;
        if (!m_words) return text.starts_with(m_text);
        return bytesearch::load(text.data()) == m_head &&
               bytesearch::load(text.data() + m_tail) == m_last;
    }

private:
    std::string_view m_text;
    bool m_words;
    size_t m_tail;
    uint64_t m_head;
    uint64_t m_last;
};

// Finds the tagged lines of a run of whole lines in one pass, eight bytes at
// a time: the pass marks where a line ends (CR) and where the tags' first two
// bytes stand ("<z": every tag of the print file opens with them); only
// there are the tags compared. A line is handed on at its end when it holds a
// tag. Lines without a tag cost only the pass.
class TaggedLineFinder {
public:
    TaggedLineFinder(std::span<const std::string_view> tags, size_t maxLineBytes,
                     const TaggedLineHandler& onLine)
        : m_tags(tags.begin(), tags.end()),
          m_pair(tags.front().substr(0, 2)),
          m_maxLine(maxLineBytes),
          m_onLine(onLine),
          m_starts(tags.size(), kNotFound) {
        for (std::string_view tag : tags) Q_ASSERT(tag.size() >= 2 && tag.starts_with(m_pair));
    }

    // A run starts at a line's start and ends at a line's end, or at the end
    // of the input.
    void scan(std::string_view lines) {
        using namespace bytesearch;
        const auto first = static_cast<unsigned char>(m_pair[0]);
        const auto second = static_cast<unsigned char>(m_pair[1]);
        const char* data = lines.data();
        m_lineStart = 0;
        size_t i = 0;
        for (; i + 9 <= lines.size(); i += 8) {
            const uint64_t word = load(data + i);
            const uint64_t pairs = bytesEqual(word, first) & bytesEqual(load(data + i + 1), second);
            const uint64_t ends = bytesEqual(word, '\r');
            // In the order they stand: a line's end hands on the line before.
            for (uint64_t marks = pairs | ends; marks != 0; marks &= marks - 1) {
                const uint64_t mark = marks & (~marks + 1);
                const size_t at = i + byteOf(mark);
                if (mark & ends) {
                    endLine(lines, at);
                } else {
                    candidate(lines, at);
                }
            }
        }
        for (; i < lines.size(); ++i) {
            if (lines[i] == '\r') {
                endLine(lines, i);
            } else if (lines.substr(i).starts_with(m_pair)) {
                candidate(lines, i);
            }
        }
        endLine(lines, lines.size());
    }

private:
    // The tags' first two bytes stand at `at`.
    void candidate(std::string_view lines, size_t at) {
        if (m_found == m_tags.size()) return;  // the line is done
        const std::string_view rest = lines.substr(at);
        for (size_t t = 0; t < m_tags.size(); ++t) {
            if (!m_tags[t].opens(rest) || m_starts[t] != kNotFound) continue;
            // Only a tag's first place counts, and only within the bound.
            const size_t valueStart = at - m_lineStart + m_tags[t].size();
            if (valueStart > m_maxLine) continue;
            m_starts[t] = valueStart;
            ++m_found;
        }
    }

    // The line that started at m_lineStart ends at `end` (its CR, or the
    // run's end): hands it on if it holds a tag.
    void endLine(std::string_view lines, size_t end) {
        if (m_found > 0) {
            const size_t length = std::min(end - m_lineStart, m_maxLine);
            m_onLine(lines.substr(m_lineStart, length), m_starts);
            std::fill(m_starts.begin(), m_starts.end(), kNotFound);
            m_found = 0;
        }
        m_lineStart = end + 1;
        if (m_lineStart < lines.size() && lines[m_lineStart] == '\n') ++m_lineStart;
    }

    std::vector<Tag> m_tags;
    std::string_view m_pair;  // the first two bytes of every tag
    size_t m_maxLine;
    const TaggedLineHandler& m_onLine;
    std::vector<size_t> m_starts;
    size_t m_found = 0;      // tags found in the current line
    size_t m_lineStart = 0;  // where the current line starts
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

Status scanItems(const QString& path, std::span<const std::string_view> tags,
                 const ItemHandler& onItem) {
    if (const Status status = check(path); status != Status::Ok) return status;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Status::CannotOpen;
    return scanItems(file, tags, onItem);
}

Status scanItems(QIODevice& device, std::span<const std::string_view> tags,
                 const ItemHandler& onItem) {
    LineReader reader(device);
    Item item(tags.size());
    bool inItem = false, filled = false;
    auto handOn = [&] {
        if (filled) onItem(item);
        for (auto& values : item) values.clear();
        filled = false;
    };
    std::string_view line;
    while (reader.next(line)) {
        if (line.find("<section-02>") != std::string_view::npos) {
            handOn();
            inItem = true;
        }
        for (size_t t = 0; t < tags.size(); ++t) {
            const size_t at = line.find(tags[t]);
            if (at == std::string_view::npos) continue;
            item[t].emplace_back(valueAt(line, at + tags[t].size()));
            filled = true;
        }
        if (!inItem || line.find("</section-02>") != std::string_view::npos) {
            handOn();
            inItem = false;
        }
    }
    handOn();
    return reader.failed() ? Status::ReadFailed : Status::Ok;
}

std::string_view valueAt(std::string_view line, size_t start) {
    if (start >= line.size()) return {};
    const std::string_view rest = line.substr(start);
    const size_t lt = rest.find('<');
    return lt == std::string_view::npos ? rest : rest.substr(0, lt);
}

}  // namespace printfile
