#include "common/core/review/review.h"

#include <QCoreApplication>
#include <algorithm>

namespace review {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(review)
};

std::optional<Fields> copyOf(const Fields* fields) {
    return fields ? std::optional(*fields) : std::nullopt;
}

}  // namespace

QString brokenRule(const Fields& fields, const std::vector<FieldRule>& rules) {
    for (size_t f = 0; f < rules.size() && f < fields.size(); ++f) {
        const FieldRule& rule = rules[f];
        const QStringList& lines = fields[f];
        if (lines.size() > rule.maxLines) {
            return rule.maxLines == 1 ? Text::tr("%1 ocupa una sola línea.").arg(rule.caption)
                                      : Text::tr("%1: caben %2 líneas como mucho.")
                                            .arg(rule.caption)
                                            .arg(rule.maxLines);
        }
        for (qsizetype i = 0; i < lines.size() && !rule.maxChars.empty(); ++i) {
            const int limit = rule.maxChars[std::min(size_t(i), rule.maxChars.size() - 1)];
            if (lines[i].size() > limit) {
                return Text::tr("%1, línea %2: tiene %3 caracteres y caben %4.")
                    .arg(rule.caption)
                    .arg(i + 1)
                    .arg(lines[i].size())
                    .arg(limit);
            }
        }
    }
    return {};
}

Review::Review(qint64 count)
    : m_leftOut(size_t(count), false), m_copies(size_t(count), 1), m_firstSlot(size_t(count), -1) {}

bool Review::setCopies(qint64 label, int copies) {
    if (copies < 1 || copies > jobselection::kMaxCopies) return false;
    m_copies[size_t(label)] = quint8(copies);
    return true;
}

const Fields* Review::edit(qint64 label) const {
    const auto it = m_edits.find(label);
    return it == m_edits.end() ? nullptr : &it->second;
}

void Review::grow(qint64 count) {
    m_typed += count;
    m_leftOut.resize(m_leftOut.size() + size_t(count), false);
    m_copies.resize(m_copies.size() + size_t(count), 1);
    m_firstSlot.resize(m_firstSlot.size() + size_t(count), -1);
}

bool Review::changed() const {
    return m_typed > 0 || hasEdits() || std::find(m_leftOut.begin(), m_leftOut.end(), true) != m_leftOut.end() ||
           std::any_of(m_copies.begin(), m_copies.end(), [](quint8 c) { return c != 1; });
}

jobselection::Selection Review::selection() const {
    jobselection::Selection job;
    job.reserve(m_copies.size());
    for (qint64 label = 0; label < count(); ++label) {
        if (printed(label)) job.push_back({label, copies(label), copyOf(edit(label))});
    }
    return job;
}

jobselection::Selection Review::selectionOf(std::vector<qint64> labels) const {
    std::sort(labels.begin(), labels.end());
    labels.erase(std::unique(labels.begin(), labels.end()), labels.end());
    jobselection::Selection job;
    for (qint64 label : labels) job.push_back({label, copies(label), copyOf(edit(label))});
    return job;
}

qint64 Review::labelsToPrint() const {
    qint64 total = 0;
    for (qint64 label = 0; label < count(); ++label) {
        if (printed(label)) total += copies(label);
    }
    return total;
}

void Review::place(const FirstSheet& first) {
    m_placesPerSheet = first.size();
    PlaceCursor cursor(first);
    qint64 sheet = 0;
    for (qint64 label = 0; label < count(); ++label) {
        m_firstSlot[size_t(label)] = -1;
        if (!printed(label)) continue;
        m_firstSlot[size_t(label)] = sheet * m_placesPerSheet + cursor.place();
        for (int copy = 0; copy < copies(label); ++copy) {
            if (cursor.take()) ++sheet;
        }
    }
}

std::optional<Slot> Review::slot(qint64 label) const {
    const qint64 slot = m_firstSlot[size_t(label)];
    if (slot < 0) return std::nullopt;
    return Slot{slot / m_placesPerSheet + 1, int(slot % m_placesPerSheet) + 1};
}

void Review::setFindings(const std::vector<labelcheck::Finding>& findings,
                         const jobselection::Selection& job) {
    m_findings.clear();
    // Findings come in the job's order: one walk along the job finds them all.
    auto entry = job.begin();
    qint64 before = 0;  // the job's labels before `entry`
    for (const labelcheck::Finding& finding : findings) {
        if (finding.label <= 0) continue;  // the sheet's, not a label's
        while (entry != job.end() && finding.label > before + entry->copies) {
            before += entry->copies;
            ++entry;
        }
        if (entry == job.end()) break;
        QStringList& problems = m_findings[entry->label];
        if (!problems.contains(finding.problem)) problems.append(finding.problem);
    }
}

const QStringList& Review::findings(qint64 label) const {
    static const QStringList none;
    const auto it = m_findings.find(label);
    return it == m_findings.end() ? none : it->second;
}

std::optional<qint64> Review::firstFlagged() const {
    if (m_findings.empty()) return std::nullopt;
    return m_findings.begin()->first;
}

}  // namespace review
