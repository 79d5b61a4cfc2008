#pragma once

#include <QStringList>
#include <map>
#include <optional>
#include <vector>

#include "common/core/check/labelcheck.h"
#include "common/core/review/jobselection.h"
#include "common/core/sheets/firstsheet.h"

// The list of a job's labels before it prints ("Revisar"): which labels
// print, how many times each, and lines edited for this job only. Nothing
// here reaches the print file, the settings or the catalogue.
namespace review {

using jobselection::Fields;

// What one field of a label may hold when it is edited.
struct FieldRule {
    QString caption;  // "Clasificación": beside its lines, and in messages
    int maxLines;
    std::vector<int> maxChars;  // per line, the last for the lines after it; empty: no limit
};

// Why `fields` break a rule, in plain Spanish; empty when they keep them all.
QString brokenRule(const Fields& fields, const std::vector<FieldRule>& rules);

// The generated labels of a program, read one at a time.
class LabelSource {
public:
    virtual ~LabelSource() = default;
    virtual qint64 count() const = 0;
    virtual Fields fields(qint64 label) const = 0;
};

// Where a label prints (its first copy): the page and the place on it, counted from 1.
struct Slot {
    qint64 page;
    int place;
};

class Review {
public:
    Review() = default;
    explicit Review(qint64 count);

    qint64 count() const { return qint64(m_copies.size()); }
    // Labels typed by hand after "Generar" ("Nueva etiqueta…"): the review
    // takes `count` more, each once, as typed.
    void grow(qint64 count);
    qint64 typed() const { return m_typed; }

    // "Imprimir": a label left out takes no place.
    bool printed(qint64 label) const { return !m_leftOut[size_t(label)]; }
    void setPrinted(qint64 label, bool printed) { m_leftOut[size_t(label)] = !printed; }
    // "Copias": each copy takes a place of its own, one after another.
    int copies(qint64 label) const { return m_copies[size_t(label)]; }
    // False, and nothing changed, for a number outside 1 to 99.
    bool setCopies(qint64 label, int copies);

    // The lines edited for this job; none when the label prints as generated.
    const Fields* edit(qint64 label) const;
    void setEdit(qint64 label, Fields fields) { m_edits[label] = std::move(fields); }
    // "Deshacer": the generated lines again.
    void undo(qint64 label) { m_edits.erase(label); }
    bool hasEdits() const { return !m_edits.empty(); }
    const std::map<qint64, Fields>& edits() const { return m_edits; }
    // Whether the job is anything but every label once, as generated.
    bool changed() const;

    // The job: the labels marked "Imprimir", in order, with their copies and
    // edits.
    jobselection::Selection selection() const;
    // Only `labels` (in the list's order, marked or not), with their copies
    // and edits: "Imprimir solo las seleccionadas".
    jobselection::Selection selectionOf(std::vector<qint64> labels) const;
    // The labels the job prints, copies counted.
    qint64 labelsToPrint() const;

    // Works out where each label prints, from the free places of `first`,
    // on sheets of `first`'s size.
    void place(const FirstSheet& first);
    std::optional<Slot> slot(qint64 label) const;

    // Marks the labels the check found problems with, from its findings on
    // `job` (a selection of this review).
    void setFindings(const std::vector<labelcheck::Finding>& findings,
                     const jobselection::Selection& job);
    const QStringList& findings(qint64 label) const;
    // The first label the check flagged.
    std::optional<qint64> firstFlagged() const;

private:
    qint64 m_typed = 0;
    std::vector<bool> m_leftOut;
    std::vector<quint8> m_copies;
    std::map<qint64, Fields> m_edits;
    std::vector<qint64> m_firstSlot;  // from the first sheet's place 0; -1: takes none
    int m_placesPerSheet = 1;
    std::map<qint64, QStringList> m_findings;
};

}  // namespace review
