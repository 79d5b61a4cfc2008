#include "common/core/printfile/labellist.h"

#include "common/core/text/codepage.h"

namespace labellist {

namespace {
// kSeparator; ASCII, so also its bytes in the 8-bit code page.
constexpr std::string_view kSeparatorUtf8 = "                    _____";
}  // namespace

QString LabelList::at(qsizetype i) const {
    if (isSeparator(i)) return kSeparator;
    const std::string_view bytes = utf8(i);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

void LabelList::append(QStringView entry) {
    const QByteArray utf8 = entry.toUtf8();
    appendUtf8(std::string_view(utf8.constData(), size_t(utf8.size())));
}

void LabelList::append(LabelList&& more) {
    if (more.isEmpty()) return;
    if (!isEmpty()) {
        m_joinedCount += m_last.size();
        m_joined.push_back(std::move(m_last));
    }
    for (Run& run : more.m_joined) {
        m_joinedCount += run.size();
        m_joined.push_back(std::move(run));
    }
    m_last = std::move(more.m_last);
    more.clear();
}

void LabelList::appendUtf8(std::string_view utf8) {
    if (utf8 == kSeparatorUtf8) return appendSeparator();
    m_last.text += utf8;
    m_last.ends.push_back(qsizetype(m_last.text.size() << 1));
}

void LabelList::appendDecoded(std::string_view bytes) {
    if (bytes == kSeparatorUtf8) return appendSeparator();
    codepage::appendUtf8(bytes, m_last.text);
    m_last.ends.push_back(qsizetype(m_last.text.size() << 1));
}

void LabelList::removeLast() {
    if (m_last.ends.empty() && !m_joined.empty()) {
        m_last = std::move(m_joined.back());
        m_joined.pop_back();
        m_joinedCount -= m_last.size();
    }
    if (m_last.ends.empty()) return;
    m_last.ends.pop_back();
    m_last.text.resize(m_last.ends.empty() ? 0 : size_t(m_last.ends.back() >> 1));
}

void LabelList::clear() {
    m_joined.clear();
    m_joinedCount = 0;
    m_last = Run{};
}

qsizetype LabelList::separatorCount() const {
    const auto separatorsIn = [](const Run& run) {
        qsizetype n = 0;
        for (qsizetype end : run.ends) n += end & kSeparatorBit;
        return n;
    };
    qsizetype n = separatorsIn(m_last);
    for (const Run& run : m_joined) n += separatorsIn(run);
    return n;
}

std::vector<qsizetype> labelStarts(const LabelList& list) {
    std::vector<qsizetype> starts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (!list.isSeparator(i)) continue;
        starts.push_back(start);
        start = i + 1;
    }
    return starts;
}

void appendLabel(const LabelList& from, qsizetype start, LabelList& out) {
    for (qsizetype i = start; i < from.size(); ++i) {
        if (from.isSeparator(i)) return out.appendSeparator();
        out.appendUtf8(from.utf8(i));
    }
}

QStringList linesOf(const LabelList& list, const std::vector<qsizetype>& starts, qint64 label) {
    QStringList lines;
    if (label >= qint64(starts.size())) return lines;
    for (qsizetype i = starts[size_t(label)]; i < list.size() && !list.isSeparator(i); ++i)
        lines.append(list.at(i));
    return lines;
}

bool appendCallNumberLines(std::string_view callNumber, LabelList& out) {
    int made = 0;
    std::string_view rest = callNumber;
    while (made < kMaxCallNumberLines) {
        const size_t blank = rest.find(' ');
        if (blank == std::string_view::npos) break;
        out.appendDecoded(rest.substr(0, blank));
        rest.remove_prefix(blank + 1);
        ++made;
    }
    if (rest.empty()) return false;
    if (made == kMaxCallNumberLines) return true;
    out.appendDecoded(rest);
    return false;
}

}  // namespace labellist
