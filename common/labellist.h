#pragma once

#include <QString>
#include <QStringList>

// A label list as generation builds it: each label's lines, closed by the
// separator; after the last label of the call-number (and author) list, the
// end marker "*".
namespace labellist {

inline const QString kSeparator = QString(20, u' ') + QStringLiteral("_____");
inline const QString kEndMarker = QStringLiteral("*");

// Appends the lines of a call number: every blank ends a line, so two blanks
// give an empty line; nothing is trimmed; at most six lines, the rest of a
// longer call number is dropped.
void appendCallNumberLines(QStringView callNumber, QStringList& out);

QStringList splitCallNumber(QStringView callNumber);

// Whether the entry at `index` ends the list. The end is found by place, not
// by text: only a last entry "*" is the end marker, so a call-number line "*"
// is printed like any other. Past the list's end counts as the end too.
inline bool isEndOfList(const QStringList& list, qsizetype index) {
    return index >= list.size() || (index == list.size() - 1 && list[index] == kEndMarker);
}

}  // namespace labellist
