#include "labellist.h"

#include "codepage.h"

namespace labellist {

LabelList::LabelList(std::initializer_list<QStringView> entries) {
    for (QStringView e : entries) append(e);
}

LabelList::LabelList(const QStringList& entries) {
    for (const QString& e : entries) append(e);
}

void LabelList::appendDecoded(std::string_view bytes) {
    codepage::appendDecoded(bytes, m_text);
    m_ends.push_back(m_text.size());
}

void LabelList::removeLast() {
    m_ends.pop_back();
    m_text.truncate(m_ends.empty() ? 0 : m_ends.back());
}

void LabelList::clear() {
    m_text.clear();
    m_ends.clear();
}

qsizetype LabelList::count(QStringView entry) const {
    qsizetype n = 0;
    for (qsizetype i = 0; i < size(); ++i) n += at(i) == entry;
    return n;
}

QStringList LabelList::mid(qsizetype from, qsizetype n) const {
    QStringList out;
    for (qsizetype i = from; i < size() && i < from + n; ++i) out.append(at(i).toString());
    return out;
}

QStringList LabelList::toStringList() const { return mid(0, size()); }

bool LabelList::operator==(const QStringList& entries) const {
    if (entries.size() != size()) return false;
    for (qsizetype i = 0; i < size(); ++i) {
        if (at(i) != entries[i]) return false;
    }
    return true;
}

void appendCallNumberLines(std::string_view callNumber, LabelList& out) {
    constexpr int kMaxLines = 6;
    int made = 0;
    std::string_view rest = callNumber;
    while (made < kMaxLines) {
        const size_t blank = rest.find(' ');
        if (blank == std::string_view::npos) break;
        out.appendDecoded(rest.substr(0, blank));
        rest.remove_prefix(blank + 1);
        ++made;
    }
    if (!rest.empty() && made < kMaxLines) out.appendDecoded(rest);
}

QStringList splitCallNumber(QStringView callNumber) {
    LabelList lines;
    const QByteArray bytes = codepage::encode(callNumber);
    appendCallNumberLines(std::string_view(bytes.constData(), size_t(bytes.size())), lines);
    return lines.toStringList();
}

}  // namespace labellist
