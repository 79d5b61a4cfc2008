#include "common/core/program/workbench.h"

#include <QBuffer>

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
    if (design.spine.face.points && m_program.takesFontSize)
        m_settings.fontSize = QString::number(*design.spine.face.points);
    if (!m_labels || !m_program.designShapesLabels) return;
    const qint64 before = m_labels->count();
    const std::shared_ptr<const GeneratedLabels> again = madeAgain();
    // A print file gone since "Generar" leaves the labels as they were made.
    if (!printfile::readable(again->summary().status)) return;
    m_labels = again;
    if (m_labels->count() != before) m_review = review::Review(m_labels->count());
    emit labelsReplaced();
}

std::shared_ptr<const GeneratedLabels> Workbench::madeAgain() const {
    QByteArray typed = m_typedItems;
    QBuffer more(&typed);
    more.open(QIODevice::ReadOnly);
    if (m_printFile.isEmpty()) return m_program.generateFrom(more, m_settings.design);
    std::unique_ptr<GeneratedLabels> read = m_program.generate(m_printFile, m_settings.design);
    if (m_typedItems.isEmpty()) return read;
    return read->plus(more, m_settings.design);
}

generation::Report Workbench::generate(const Settings& settings, generation::SaveSettings save) {
    generation::Report report =
        generation::run(settings, save, [this](const QString& printFile) {
            return m_program.generate(printFile, m_settings.design);
        });
    m_labels = report.labels;
    m_printFile = report.printFile;
    m_typedItems.clear();
    m_review = m_labels ? review::Review(m_labels->count()) : review::Review();
    emit labelsReplaced();
    return report;
}

void Workbench::clear() {
    m_labels.reset();
    m_printFile.clear();
    m_typedItems.clear();
    m_review = review::Review();
    emit labelsReplaced();
}

void Workbench::addTyped(const std::vector<QStringList>& labels) {
    QByteArray items;
    for (const QStringList& fields : labels) items += m_program.typedItem(fields);
    m_typedItems += items;
    QBuffer more(&items);
    more.open(QIODevice::ReadOnly);
    const qint64 before = m_labels ? m_labels->count() : 0;
    m_labels = m_labels ? m_labels->plus(more, m_settings.design)
                        : m_program.generateFrom(more, m_settings.design);
    m_review.grow(m_labels->count() - before);
    emit labelsAdded(before, m_labels->count() - before);
}

jobselection::Choice Workbench::reviewed() const {
    if (!m_review.changed()) return std::nullopt;
    return m_review.selection();
}

std::unique_ptr<LabelJob> Workbench::job(const jobselection::Choice& choice) const {
    return m_labels ? m_labels->job(choice, m_settings) : nullptr;
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
