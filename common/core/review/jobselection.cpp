#include "common/core/review/jobselection.h"

#include <QCoreApplication>
#include <QStringList>

namespace jobselection {

Selection everyLabel(qint64 count, int copies) {
    Selection selection;
    selection.reserve(size_t(count));
    for (qint64 label = 0; label < count; ++label) selection.push_back({label, copies});
    return selection;
}

Selection ofNumbers(const std::vector<qint64>& numbers, int copies) {
    Selection selection;
    for (qint64 number : numbers) selection.push_back({number - 1, copies});
    return selection;
}

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(review)
};

std::optional<qint64> wholeNumber(const QString& text) {
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    return ok && n >= 1 ? std::optional(n) : std::nullopt;
}

}  // namespace

std::optional<std::vector<qint64>> parseNumbers(const QString& text, qint64 count,
                                                QString& problem) {
    std::vector<qint64> numbers;
    const QStringList items = text.split(u',');
    for (const QString& item : items) {
        const QStringList ends = item.split(u'-');
        const std::optional<qint64> first = wholeNumber(ends.first());
        const std::optional<qint64> last = wholeNumber(ends.last());
        if (ends.size() > 2 || !first || !last || *last < *first) {
            problem = Text::tr(
                          "Lista de etiquetas no válida: «%1» (números desde 1 separados por "
                          "comas, o intervalos como 5-6)")
                          .arg(text);
            return std::nullopt;
        }
        if (count >= 0 && *last > count) {
            problem = Text::tr("La etiqueta %1 no está en la lista: hay %n etiquetas", nullptr,
                               int(count))
                          .arg(*last);
            return std::nullopt;
        }
        if (count < 0) continue;  // the form alone: nothing to spell out
        for (qint64 n = *first; n <= *last; ++n) numbers.push_back(n);
    }
    return numbers;
}

std::optional<int> parseCopies(const QString& text, QString& problem) {
    const std::optional<qint64> copies = wholeNumber(text);
    if (!copies || *copies > kMaxCopies) {
        problem =
            Text::tr("Número de copias no válido: «%1» (de 1 a %2)").arg(text).arg(kMaxCopies);
        return std::nullopt;
    }
    return int(*copies);
}

}  // namespace jobselection
