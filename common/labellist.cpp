#include "labellist.h"

namespace labellist {

void appendCallNumberLines(QStringView callNumber, QStringList& out) {
    constexpr int kMaxLines = 6;
    int made = 0;
    QStringView rest = callNumber;
    while (made < kMaxLines) {
        const qsizetype blank = rest.indexOf(u' ');
        if (blank < 0) break;
        out.append(rest.left(blank).toString());
        rest = rest.mid(blank + 1);
        ++made;
    }
    if (!rest.isEmpty() && made < kMaxLines) out.append(rest.toString());
}

QStringList splitCallNumber(QStringView callNumber) {
    QStringList lines;
    appendCallNumberLines(callNumber, lines);
    return lines;
}

}  // namespace labellist
