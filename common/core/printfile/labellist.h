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

// The entries of a label list, kept one after another in UTF-8 strings, one
// allocation for all of them rather than one each (docs/speed.md). An entry
// is decoded when it is read. The separators take no room in the strings; an
// entry whose text is the separator's is the separator.
//
// A list is built in one run of entries. Lists generated side by side are
// joined by taking over their runs, never by copying their text.
class LabelList {
public:
    LabelList() = default;

    qsizetype size() const { return m_joinedCount + m_last.size(); }
    bool isEmpty() const { return size() == 0; }
    bool isSeparator(qsizetype i) const {
        const auto [run, k] = locate(i);
        return run.isSeparator(k);
    }
    std::string_view utf8(qsizetype i) const {
        const auto [run, k] = locate(i);
        return run.utf8(k);
    }
    QString at(qsizetype i) const;

    // Room for `bytes` of text in `entries` entries, taken from the system as
    // it is used: the list grows without copying what it holds.
    void reserve(size_t bytes, size_t entries) {
        m_last.text.reserve(bytes);
        m_last.ends.reserve(entries);
    }

    void append(QStringView entry);
    // Appends text already in UTF-8.
    void appendUtf8(std::string_view utf8);
    // Appends bytes of the 8-bit code page.
    void appendDecoded(std::string_view bytes);
    // Appends every entry of `more`, taking over its storage.
    void append(LabelList&& more);
    // Takes the last entry off: the end marker, before more labels join.
    void removeLast();
    void appendSeparator() {
        m_last.ends.push_back(qsizetype(m_last.text.size() << 1) | kSeparatorBit);
    }
    void clear();

    qsizetype separatorCount() const;

private:
    static constexpr qsizetype kSeparatorBit = 1;

    // Entries stored together: their texts one after another in `text`, and
    // per entry where it ends there, shifted left one bit; the low bit marks
    // a separator.
    struct Run {
        std::string text;
        std::vector<qsizetype> ends;

        qsizetype size() const { return qsizetype(ends.size()); }
        bool isSeparator(qsizetype k) const { return ends[size_t(k)] & kSeparatorBit; }
        size_t begin(qsizetype k) const { return k == 0 ? 0 : size_t(ends[size_t(k - 1)] >> 1); }
        std::string_view utf8(qsizetype k) const {
            const size_t from = begin(k);
            return std::string_view(text).substr(from, size_t(ends[size_t(k)] >> 1) - from);
        }
    };
    struct Place {
        const Run& run;
        qsizetype k;
    };

    // The run that holds entry `i`, and the entry's place in it.
    Place locate(qsizetype i) const {
        if (i >= m_joinedCount) return {m_last, i - m_joinedCount};
        for (const Run& run : m_joined) {
            if (i < run.size()) return {run, i};
            i -= run.size();
        }
        return {m_last, i};  // not reached for a valid index
    }

    std::vector<Run> m_joined;    // the runs of lists joined to this one, in order
    qsizetype m_joinedCount = 0;  // the entries they hold
    Run m_last;                   // where new entries go
};

// Where each label of `list` begins: the index of its first entry (of its
// separator, when it has no line). Labels are closed by separators; the end
// marker, and anything after the last separator, belongs to none.
std::vector<qsizetype> labelStarts(const LabelList& list);

// Appends the label that begins at `start` in `from` to `out`: its entries
// up to and with its separator.
void appendLabel(const LabelList& from, qsizetype start, LabelList& out);

// The lines of label `label` of `list`, whose labels begin at `starts`
// (labelStarts()); none for a label past its end.
QStringList linesOf(const LabelList& list, const std::vector<qsizetype>& starts, qint64 label);

constexpr int kMaxCallNumberLines = 6;

// Appends the lines of a call number: every blank ends a line, so two blanks
// give an empty line; nothing is trimmed; at most six lines, the rest of a
// longer call number is dropped. The bytes are in the 8-bit code page.
// Returns whether anything was dropped.
bool appendCallNumberLines(std::string_view callNumber, LabelList& out);

// Whether the entry at `index` ends the list. The end is found by place, not
// by text: only a last entry "*" is the end marker, so a call-number line "*"
// is printed like any other. Past the list's end counts as the end too.
inline bool isEndOfList(const LabelList& list, qsizetype index) {
    return index >= list.size() || (index == list.size() - 1 && list.utf8(index) == "*");
}

}  // namespace labellist
