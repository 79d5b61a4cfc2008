#include "common/core/program/workbench.h"

#include <QBuffer>
#include <QFile>

#include "common/core/files/linereader.h"
#include "common/core/files/textfile.h"
#include "common/core/text/codepage.h"
#include "common/core/walks/surface.h"

Workbench::Workbench(LabelProgram program, JobSettings settings, SurfaceMaker checkSurface)
    : m_program(std::move(program)),
      m_settings(std::move(settings)),
      m_makeCheckSurface(std::move(checkSurface)) {}

Workbench::~Workbench() = default;

void Workbench::setStock(const std::optional<Stock>& stock) {
    m_settings.stock = stock;
    printerChanged();  // the printer takes the stock's paper
}

void Workbench::setDesign(const design::Design& design) {
    m_settings.design = design;
    m_keptDesign.reset();
    if (design.spine.face.points && m_program.takesFontSize)
        m_settings.fontSize = QString::number(*design.spine.face.points);
    if (!m_labels || !m_program.designShapesLabels) return;
    const qint64 before = m_labels->count();
    const std::shared_ptr<const GeneratedLabels> again = madeAgain();
    // A print file gone since "Generar" leaves the labels as they were made.
    if (!printfile::readable(again->summary().status)) return;
    m_labels = again;
    if (m_history && !m_printFile.isEmpty()) m_printItems = printFileItems();
    if (m_labels->count() != before) m_review = review::Review(m_labels->count());
    emit labelsReplaced();
}

std::shared_ptr<const GeneratedLabels> Workbench::madeAgain() const {
    QByteArray typed = m_typedItems;
    QBuffer more(&typed);
    more.open(QIODevice::ReadOnly);
    const design::Design& design = settingsInUse().design;
    if (m_printFile.isEmpty()) return m_program.generateFrom(more, design);
    std::unique_ptr<GeneratedLabels> read = m_program.generate(m_printFile, design);
    if (m_typedItems.isEmpty()) return read;
    return read->plus(more, design);
}

JobSettings Workbench::settingsInUse() const {
    JobSettings settings = m_settings;
    if (m_keptDesign) settings.design = *m_keptDesign;
    if (m_keptFontSize) settings.fontSize = *m_keptFontSize;
    return settings;
}

generation::Report Workbench::generate(const Settings& settings, generation::SaveSettings save) {
    generation::Report report =
        generation::run(settings, save, [this](const QString& printFile) {
            return m_program.generate(printFile, m_settings.design);
        });
    m_labels = report.labels;
    m_printFile = report.printFile;
    m_typedItems.clear();
    m_keptDesign.reset();
    m_keptFontSize.reset();
    m_keptFile.clear();
    m_keptHere = false;
    m_printItems.clear();
    m_review = m_labels ? review::Review(m_labels->count()) : review::Review();
    // Only a print file read whole is read again: a pipe or a folder is not.
    if (m_history && m_labels && printfile::readable(m_labels->summary().status)) {
        m_printItems = printFileItems();
        keepLabels();
    }
    emit labelsReplaced();
    return report;
}

void Workbench::clear() {
    m_labels.reset();
    m_printFile.clear();
    m_typedItems.clear();
    m_printItems.clear();
    m_keptDesign.reset();
    m_keptFontSize.reset();
    m_keptFile.clear();
    m_keptHere = false;
    m_review = review::Review();
    emit labelsReplaced();
}

void Workbench::open(const jobhistory::KeptJob& job, const QString& file) {
    m_printFile.clear();
    m_printItems.clear();
    m_typedItems = job.items;
    const design::Read design = design::readText(job.design);
    m_keptDesign = design.design.value_or(design::Design());
    m_keptFontSize.reset();
    if (m_program.takesFontSize && isFontSize(job.fontSize)) m_keptFontSize = job.fontSize;
    m_labels = madeAgain();
    m_review = review::Review(m_labels->count());
    // An edit of another shape than the program's labels (a file from
    // elsewhere) is left out: the walks read every field of an edit.
    const size_t fields = reviewRules().size();
    for (const auto& [label, edited] : job.edits) {
        if (label < m_labels->count() && edited.size() == fields) m_review.setEdit(label, edited);
    }
    m_keptFile = file;
    m_keptHere = false;
    emit labelsReplaced();
}

QByteArray Workbench::printFileItems() const {
    QByteArray items;
    QFile file(m_printFile);
    if (textfile::isRegularFile(m_printFile) && file.open(QIODevice::ReadOnly)) {
        const std::vector<QByteArray> tags = m_program.sourceTags(settingsInUse().design);
        LineReader reader(file);
        for (std::string_view line; reader.next(line);) {
            const QByteArrayView bytes(line.data(), qsizetype(line.size()));
            const bool kept = bytes.contains("section-02>") ||
                              std::any_of(tags.begin(), tags.end(),
                                          [&](const QByteArray& tag) { return bytes.contains(tag); });
            if (kept) items += bytes.toByteArray() + "\r\n";
        }
    }
    return items;
}

namespace {

// The first and last call numbers of print-file items.
std::pair<QString, QString> callNumberRange(const QByteArray& items) {
    QByteArray bytes = items;
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    constexpr std::string_view tag = "<z30-call-no>";
    std::optional<QString> first;
    QString last;
    printfile::scan(device, std::span(&tag, 1), [&](std::string_view line, std::span<const size_t> at) {
        last = codepage::decode(printfile::valueAt(line, at[0])).trimmed();
        if (!first) first = last;
    });
    return {first.value_or(QString()), last};
}

}  // namespace

jobhistory::KeptJob Workbench::jobAsItStands() const {
    jobhistory::KeptJob job;
    job.program = m_program.name;
    for (qint64 i = 0; i < m_labels->count(); ++i) job.labels.push_back(m_labels->fields(i));
    job.items = m_printItems + m_typedItems;
    std::tie(job.firstCallNumber, job.lastCallNumber) = callNumberRange(job.items);
    const JobSettings settings = settingsInUse();
    if (settings.stock) job.stock = settings.stock->name;
    if (!settings.design.isDefault()) job.design = design::toText(settings.design);
    if (m_program.takesFontSize) job.fontSize = settings.fontSize;
    return job;
}

void Workbench::keepAsNewest(jobhistory::KeptJob job) {
    const QString replaced = m_keptHere ? m_keptFile : QString();
    const std::optional<QString> file = m_history->keep(std::move(job));
    // The job it replaces goes only once this one is kept.
    if (file && !replaced.isEmpty()) m_history->remove(replaced);
    m_keptFile = file.value_or(QString());
    m_keptHere = file.has_value();
}

void Workbench::keepLabels() {
    if (!m_history || !m_labels || m_labels->count() == 0) return;
    jobhistory::KeptJob job = jobAsItStands();
    QString newestFile;
    if (const auto newest = m_history->newest(&newestFile); newest && newest->labels == job.labels) {
        m_keptFile = newestFile;
        m_keptHere = false;
        return;
    }
    // Labels typed after "Generar" join the job it kept.
    keepAsNewest(std::move(job));
}

void Workbench::keepEdits() {
    if (!m_history || !m_labels || m_labels->count() == 0) return;
    const std::optional<jobhistory::KeptJob> kept =
        m_keptFile.isEmpty() ? std::nullopt : m_history->load(m_keptFile);
    const std::map<qint64, review::Fields>& edits = m_review.edits();
    if (kept && kept->edits == edits) {
        m_keptHere = false;
        return;
    }
    if (kept && m_keptHere && kept->edits.empty()) {
        // The job kept at "Generar", printed with its first edits.
        jobhistory::KeptJob job = *kept;
        job.edits = edits;
        if (!m_history->replace(m_keptFile, job))
            m_history->keep(std::move(job));  // what it printed is kept all the same
    } else {
        // Other edits than a kept job printed with: a job of its own, as
        // the newest, the one before untouched.
        jobhistory::KeptJob job = jobAsItStands();
        job.edits = edits;
        m_keptHere = false;
        keepAsNewest(std::move(job));
    }
    m_keptHere = false;
}

void Workbench::addTyped(const std::vector<QStringList>& labels) {
    QByteArray items;
    for (const QStringList& fields : labels) items += m_program.typedItem(fields);
    m_typedItems += items;
    QBuffer more(&items);
    more.open(QIODevice::ReadOnly);
    const qint64 before = m_labels ? m_labels->count() : 0;
    const design::Design& design = settingsInUse().design;
    m_labels = m_labels ? m_labels->plus(more, design) : m_program.generateFrom(more, design);
    m_review.grow(m_labels->count() - before);
    keepLabels();
    emit labelsAdded(before, m_labels->count() - before);
}

jobselection::Choice Workbench::reviewed() const {
    if (!m_review.changed()) return std::nullopt;
    return m_review.selection();
}

std::unique_ptr<LabelJob> Workbench::job(const jobselection::Choice& choice) const {
    return m_labels ? m_labels->job(choice, settingsInUse()) : nullptr;
}

labelcheck::Result Workbench::check(const jobselection::Choice& choice, const FirstSheet& first) {
    const std::unique_ptr<LabelJob> made = job(choice);
    if (!made) return {};
    return made->check(first)(checkSurface());
}

DrawingSurface& Workbench::checkSurface() {
    if (!m_checkSurface) m_checkSurface = m_makeCheckSurface();
    return *m_checkSurface;
}
