#include "common/ui/review/reviewflow.h"

#include "common/core/sheets/firstsheet.h"
#include "common/core/text/messages.h"
#include "common/ui/boxes/dialogs.h"
#include "common/ui/frame/overridecursor.h"

ReviewFlow::ReviewFlow(Dialogs& dialogs, QWidget* mainWindow, Workbench& workbench)
    : m_dialogs(dialogs), m_mainWindow(mainWindow), m_workbench(workbench) {
    // The list showed labels that are gone.
    connect(&workbench, &Workbench::labelsReplaced, this, [this] { m_window.discard(); });
    connect(&workbench, &Workbench::labelsAdded, this, [this] {
        if (!m_window.get()) return;
        m_window.get()->model()->rowsAdded(m_workbench.sharedLabels());
        placeAndCheck();
    });
}

bool ReviewFlow::mayDiscardChanges() {
    return !m_workbench.review().changed() ||
           m_dialogs.question(m_mainWindow, messages::title(), messages::discardReview());
}

void ReviewFlow::open(const FirstSheet& first) {
    if (!m_workbench.hasLabels()) return;
    m_first = first;
    const OverrideCursor wait;
    bool made = false;
    m_window.open([&] {
        made = true;
        auto* window = new ReviewWindow(m_dialogs, m_workbench.review(), m_workbench.sharedLabels(),
                                        m_workbench.reviewRules());
        connect(window->model(), &ReviewModel::jobChanged, this, &ReviewFlow::placeAndCheck);
        connect(window, &ReviewWindow::printChosen, this,
                [this](const std::vector<qint64>& labels) {
                    emit printChosen(m_workbench.review().selectionOf(labels));
                });
        connect(window, &ReviewWindow::labelTyped, this,
                [this](const QStringList& fields) { m_workbench.addTyped({fields}); });
        return window;
    });
    if (made) placeAndCheck();
}

void ReviewFlow::showFindings(const std::vector<labelcheck::Finding>& findings,
                              const jobselection::Choice& choice, const FirstSheet& first) {
    open(first);
    review::Review& review = m_workbench.review();
    review.setFindings(findings, choice ? *choice : jobselection::everyLabel(review.count()));
    m_window.get()->model()->placesAndFindingsChanged();
    if (const auto flagged = review.firstFlagged()) m_window.get()->showLabel(*flagged);
}

void ReviewFlow::firstSheetChanged(const FirstSheet& first) {
    m_first = first;
    if (m_window.get()) placeAndCheck();
}

// After the job or the first sheet changed: where each label prints, the
// check on the job, and what the windows show of them.
void ReviewFlow::placeAndCheck() {
    const OverrideCursor wait;
    review::Review& review = m_workbench.review();
    review.place(m_first);
    const jobselection::Choice reviewed = m_workbench.reviewed();
    review.setFindings(m_workbench.check(reviewed, m_first).findings,
                       reviewed ? *reviewed : jobselection::everyLabel(review.count()));
    if (m_window.get()) m_window.get()->model()->placesAndFindingsChanged();
    emit jobChanged();
}

QString ReviewFlow::caption(const QString& generated) const {
    const review::Review& review = m_workbench.review();
    if (!review.changed()) return generated;
    const int printed = int(review.labelsToPrint());
    if (review.typed() > 0) {
        return tr("Se imprimirán %n etiquetas (%1 generadas y %2 nuevas)", nullptr, printed)
            .arg(review.count() - review.typed())
            .arg(review.typed());
    }
    return tr("Se imprimirán %n etiquetas (%1 generadas)", nullptr, printed).arg(review.count());
}
