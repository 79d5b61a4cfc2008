#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <string>
#include <string_view>
#include <vector>

// A label list as generation builds it: each label's lines, closed by the
// separator; after the last label of the call-number (and author) list, the
// end marker "*".
namespace labellist {

inline const QString kSeparator = QString(20, u' ') + QStringLiteral("_____");
inline const QString kEndMarker = QStringLiteral("*");

// The entries of a label list, kept one after another in one UTF-8 string: a
// hundred thousand labels make half a million entries, and one allocation
// for all of them instead of one each, in the bytes the print file brought,
// keeps generation fast and small. An entry is decoded when it is read. The
// separators, a quarter of the entries, take no room in the string; an entry
// whose text is the separator's is the separator.
class LabelList {
public:
    LabelList() = default;
    LabelList(std::initializer_list<QStringView> entries);
    LabelList(const QStringList& entries);  // NOLINT: a list of strings is a label list

    qsizetype size() const { return qsizetype(m_ends.size()); }
    bool isEmpty() const { return m_ends.empty(); }
    bool isSeparator(qsizetype i) const { return m_ends[size_t(i)] & kSeparatorBit; }
    std::string_view utf8(qsizetype i) const;
    QString at(qsizetype i) const;
    QString operator[](qsizetype i) const { return at(i); }
    QString first() const { return at(0); }
    QString last() const { return at(size() - 1); }

    // Room for `bytes` of text in `entries` entries, taken from the system as
    // it is used: the list grows without copying what it holds.
    void reserve(size_t bytes, size_t entries) {
        m_utf8.reserve(bytes);
        m_ends.reserve(entries);
    }

    void append(QStringView entry);
    // Appends text already in UTF-8.
    void appendUtf8(std::string_view utf8);
    // Appends bytes of the 8-bit code page.
    void appendDecoded(std::string_view bytes);
    // Appends every entry of `more`.
    void append(const LabelList& more);
    void appendSeparator() { m_ends.push_back(qsizetype(m_utf8.size() << 1) | kSeparatorBit); }
    void removeLast();
    void clear();

    qsizetype separatorCount() const;
    qsizetype count(QStringView entry) const;
    QStringList toStringList() const;
    QStringList mid(qsizetype from, qsizetype n) const;

    bool operator==(const LabelList& other) const;
    bool operator==(const QStringList& entries) const;

private:
    static constexpr qsizetype kSeparatorBit = 1;

    // What was added to m_utf8 since the last entry becomes one.
    void endEntry();

    std::string m_utf8;
    // Per entry, where it ends in m_utf8, shifted left one bit; the low bit
    // marks a separator.
    std::vector<qsizetype> m_ends;
};

// Appends the lines of a call number: every blank ends a line, so two blanks
// give an empty line; nothing is trimmed; at most six lines, the rest of a
// longer call number is dropped. The bytes are in the 8-bit code page.
// Returns whether anything was dropped.
bool appendCallNumberLines(std::string_view callNumber, LabelList& out);

QStringList splitCallNumber(QStringView callNumber);

// Whether the entry at `index` ends the list. The end is found by place, not
// by text: only a last entry "*" is the end marker, so a call-number line "*"
// is printed like any other. Past the list's end counts as the end too.
inline bool isEndOfList(const LabelList& list, qsizetype index) {
    return index >= list.size() || (index == list.size() - 1 && list.utf8(index) == "*");
}

}  // namespace labellist
