#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <string_view>
#include <vector>

// A label list as generation builds it: each label's lines, closed by the
// separator; after the last label of the call-number (and author) list, the
// end marker "*".
namespace labellist {

inline const QString kSeparator = QString(20, u' ') + QStringLiteral("_____");
inline const QString kEndMarker = QStringLiteral("*");

// The entries of a label list, kept one after another in one string: a
// hundred thousand labels make half a million entries, and one allocation
// for all of them instead of one each keeps generation fast and small.
class LabelList {
public:
    LabelList() = default;
    LabelList(std::initializer_list<QStringView> entries);
    LabelList(const QStringList& entries);  // NOLINT: a list of strings is a label list

    qsizetype size() const { return qsizetype(m_ends.size()); }
    bool isEmpty() const { return m_ends.empty(); }
    QStringView at(qsizetype i) const {
        const qsizetype begin = i == 0 ? 0 : m_ends[size_t(i - 1)];
        return QStringView(m_text).mid(begin, m_ends[size_t(i)] - begin);
    }
    QStringView operator[](qsizetype i) const { return at(i); }
    QStringView first() const { return at(0); }
    QStringView last() const { return at(size() - 1); }

    void append(QStringView entry) {
        m_text.append(entry);
        m_ends.push_back(m_text.size());
    }
    // Appends bytes of the 8-bit code page, decoded.
    void appendDecoded(std::string_view bytes);
    void appendSeparator() { append(kSeparator); }
    void removeLast();
    void clear();

    qsizetype count(QStringView entry) const;
    QStringList toStringList() const;
    QStringList mid(qsizetype from, qsizetype n) const;

    bool operator==(const LabelList& other) const = default;
    bool operator==(const QStringList& entries) const;

private:
    QString m_text;
    std::vector<qsizetype> m_ends;  // where each entry ends in m_text
};

// Appends the lines of a call number: every blank ends a line, so two blanks
// give an empty line; nothing is trimmed; at most six lines, the rest of a
// longer call number is dropped. The bytes are in the 8-bit code page.
void appendCallNumberLines(std::string_view callNumber, LabelList& out);

QStringList splitCallNumber(QStringView callNumber);

// Whether the entry at `index` ends the list. The end is found by place, not
// by text: only a last entry "*" is the end marker, so a call-number line "*"
// is printed like any other. Past the list's end counts as the end too.
inline bool isEndOfList(const LabelList& list, qsizetype index) {
    return index >= list.size() || (index == list.size() - 1 && list[index] == kEndMarker);
}

}  // namespace labellist
