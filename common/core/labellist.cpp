#include "common/core/labellist.h"

#include "common/core/codepage.h"

namespace labellist {

namespace {
const std::string kSeparatorUtf8 = std::string(20, ' ') + "_____";  // kSeparator
}

LabelList::LabelList(std::initializer_list<QStringView> entries) {
    for (QStringView e : entries) append(e);
}

LabelList::LabelList(const QStringList& entries) {
    for (const QString& e : entries) append(e);
}

std::string_view LabelList::utf8(qsizetype i) const {
    const size_t begin = i == 0 ? 0 : size_t(m_ends[size_t(i - 1)] >> 1);
    const size_t end = size_t(m_ends[size_t(i)] >> 1);
    return std::string_view(m_utf8).substr(begin, end - begin);
}

QString LabelList::at(qsizetype i) const {
    if (isSeparator(i)) return kSeparator;
    const std::string_view bytes = utf8(i);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

void LabelList::endEntry() {
    const size_t begin = m_ends.empty() ? 0 : size_t(m_ends.back() >> 1);
    if (std::string_view(m_utf8).substr(begin) == kSeparatorUtf8) {
        m_utf8.resize(begin);
        return appendSeparator();
    }
    m_ends.push_back(qsizetype(m_utf8.size() << 1));
}

void LabelList::append(QStringView entry) {
    m_utf8 += entry.toUtf8().toStdString();
    endEntry();
}

void LabelList::append(const LabelList& more) {
    const qsizetype shift = qsizetype(m_utf8.size() << 1);
    m_utf8 += more.m_utf8;
    for (qsizetype end : more.m_ends) m_ends.push_back(end + shift);
}

void LabelList::appendUtf8(std::string_view utf8) {
    m_utf8 += utf8;
    endEntry();
}

void LabelList::appendDecoded(std::string_view bytes) {
    codepage::appendUtf8(bytes, m_utf8);
    endEntry();
}

void LabelList::removeLast() {
    m_ends.pop_back();
    m_utf8.resize(m_ends.empty() ? 0 : size_t(m_ends.back() >> 1));
}

void LabelList::clear() {
    m_utf8.clear();
    m_ends.clear();
}

qsizetype LabelList::separatorCount() const {
    qsizetype n = 0;
    for (qsizetype end : m_ends) n += end & kSeparatorBit;
    return n;
}

qsizetype LabelList::count(QStringView entry) const {
    if (entry == kSeparator) return separatorCount();
    const QByteArray wanted = entry.toUtf8();
    qsizetype n = 0;
    for (qsizetype i = 0; i < size(); ++i) {
        n += !isSeparator(i) &&
             utf8(i) == std::string_view(wanted.constData(), size_t(wanted.size()));
    }
    return n;
}

QStringList LabelList::mid(qsizetype from, qsizetype n) const {
    QStringList out;
    for (qsizetype i = from; i < size() && i < from + n; ++i) out.append(at(i));
    return out;
}

QStringList LabelList::toStringList() const { return mid(0, size()); }

bool LabelList::operator==(const LabelList& other) const {
    return m_utf8 == other.m_utf8 && m_ends == other.m_ends;
}

bool LabelList::operator==(const QStringList& entries) const { return *this == LabelList(entries); }

bool appendCallNumberLines(std::string_view callNumber, LabelList& out) {
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
    if (rest.empty()) return false;
    if (made == kMaxLines) return true;
    out.appendDecoded(rest);
    return false;
}

QStringList splitCallNumber(QStringView callNumber) {
    LabelList lines;
    const QByteArray bytes = codepage::encode(callNumber);
    appendCallNumberLines(std::string_view(bytes.constData(), size_t(bytes.size())), lines);
    return lines.toStringList();
}

}  // namespace labellist
