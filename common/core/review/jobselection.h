#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Which of the generated labels a job prints, in what order and how many
// times each: a label left out takes no place on the sheet; the copies of a
// label print one after another, each on a place of its own.
namespace jobselection {

constexpr int kMaxCopies = 99;

// A label's lines as the user edited them for this job, field by field
// (lomos: the call number; fichas: barcode, call number, author, title).
using Fields = std::vector<QStringList>;

struct Entry {
    qint64 label;  // its place in the generated list, from 0
    int copies;
    std::optional<Fields> edited;  // what prints instead of the generated lines

    bool operator==(const Entry&) const = default;
};
using Selection = std::vector<Entry>;
// Which labels a job prints: a selection, or none for every label once, as
// generated.
using Choice = std::optional<Selection>;

// Every one of `count` labels in order, `copies` times each.
Selection everyLabel(qint64 count, int copies = 1);
// The labels numbered in `text` (from 1; ranges allowed: "2,5-6"), in that
// order, `copies` times each.
Selection ofNumbers(const std::vector<qint64>& numbers, int copies);

// Reads a list of label numbers as the staff write them: numbers from 1,
// separated by commas, and ranges "5-6". Nothing, and why not in `problem`,
// when it is malformed or names a label past `count`; `count` < 0 checks the
// form alone.
std::optional<std::vector<qint64>> parseNumbers(const QString& text, qint64 count,
                                                QString& problem);
// Reads a number of copies, from 1 to 99.
std::optional<int> parseCopies(const QString& text, QString& problem);

}  // namespace jobselection
