#pragma once

#include <QStringList>

#include "labellist.h"
#include "printfile.h"

namespace fichas {

// The four label lists of a full-label generation, in step label for label
// only when every item carries each of the four tags once.
struct FullGeneration {
    labellist::LabelList lstBarras;   // one line a label, then the separator
    labellist::LabelList lstClasify;  // the call number's lines, then the separator; "*" at the end
    labellist::LabelList lstTitulo;   // one or two lines, then the separator
    labellist::LabelList lstAutor;    // one or two lines, then the separator; "*" at the end
    qint64 labelCount = 0;   // call-number lines found
    printfile::Status status = printfile::Status::Ok;
};

FullGeneration generateFullLabels(const QString& printFilePath);
// The same from a device open for reading.
FullGeneration generateFullLabels(QIODevice& printFile);

// Author and title values are UTF-8 read one byte a character. Wherever the
// bytes the characters came from form a valid UTF-8 sequence, the letter it
// encodes replaces them; other characters stay as read.
QString repairAccents(const QString& value);

// One line when the value holds at most `limit` characters. Otherwise line 1
// ends with the last blank at or before `limit` (the first `limit`
// characters when there is none), and line 2 holds at most `secondLength`
// of the characters after it; the rest is dropped.
QStringList wrapValue(const QString& value, int limit, int secondLength);

// Labels in a list: the number of separators.
qint64 groupCount(const labellist::LabelList& list);

// The warning shown when the four lists hold different numbers of labels;
// empty when they agree.
QString mismatchWarning(const FullGeneration& generation);

}  // namespace fichas
