#include "lomos/core/spinecut.h"

#include "common/core/printfile/labellist.h"

namespace lomos {

bool cutsAsAlways(const design::Spine& spine) {
    return spine.breakAtBlanks && spine.breakAt.isEmpty() && spine.dropped.isEmpty() &&
           !spine.capitals;
}

namespace {

bool isBreak(QChar c, const design::Spine& spine) {
    return spine.breakAt.contains(c) || (spine.breakAtBlanks && c == u' ');
}

// `part` without the words `spine` drops, its blanks between words kept.
QString withoutDropped(const QString& part, const design::Spine& spine) {
    if (spine.dropped.isEmpty()) return part.trimmed();
    QStringList kept;
    for (const QString& word : part.split(u' ', Qt::SkipEmptyParts)) {
        if (!spine.dropped.contains(word, Qt::CaseInsensitive)) kept.append(word);
    }
    return kept.join(u' ');
}

}  // namespace

CallNumberCut cutCallNumber(const QString& callNumber, const design::Spine& spine) {
    CallNumberCut cut;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= callNumber.size(); ++i) {
        if (i < callNumber.size() && !isBreak(callNumber[i], spine)) continue;
        const QString part = withoutDropped(callNumber.mid(start, i - start), spine);
        start = i + 1;
        if (part.isEmpty()) continue;
        if (cut.lines.size() == labellist::kMaxCallNumberLines) {
            cut.dropped = true;
            break;
        }
        cut.lines.append(spine.capitals ? part.toUpper() : part);
    }
    return cut;
}

namespace {

// The first `count` letters and digits of `text`, from its first one up to
// the first character that is neither: "Paz, Octavio" gives "Paz" for 3.
QString firstLetters(const QString& text, int count) {
    qsizetype begin = 0;
    while (begin < text.size() && !text[begin].isLetterOrNumber()) ++begin;
    qsizetype end = begin;
    while (end < text.size() && end - begin < count && text[end].isLetterOrNumber()) ++end;
    return text.mid(begin, end - begin);
}

}  // namespace

QString tagLineText(const QString& value, const design::TagLine& line,
                    const design::Design& design) {
    QString text = design.codeFor(value).trimmed();
    if (line.letters > 0) text = firstLetters(text, line.letters);
    const bool capitals = line.capitals.value_or(design.spine.capitals);
    if (capitals) return text.toUpper();
    if (line.capitals) return text.toLower();
    return text;
}

}  // namespace lomos
