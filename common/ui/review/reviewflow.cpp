#include "common/ui/review/reviewflow.h"

#include "common/core/sheets/firstsheet.h"
#include "common/core/text/messages.h"
#include "common/ui/boxes/dialogs.h"
#include "common/ui/frame/overridecursor.h"
#include "common/ui/frame/twips.h"

ReviewFlow::ReviewFlow(Dialogs& dialogs, QWidget* mainWindow, Check check,
                       std::function<FirstSheet()> firstSheet)
    : QObject(mainWindow),
      m_dialogs(dialogs),
      m_mainWindow(mainWindow),
      m_check(std::move(check)),
      m_firstSheet(std::move(firstSheet)) {}

ReviewFlow::~ReviewFlow() { delete m_window; }

void ReviewFlow::start(const review::LabelSource* labels) {
    delete m_window;
    m_labels = labels;
    m_review = labels ? review::Review(labels->count()) : review::Review();
}

bool ReviewFlow::letGo() {
    return !changed() ||
           m_dialogs.question(m_mainWindow, messages::kTitle, messages::kDiscardReview);
}

std::optional<jobselection::Selection> ReviewFlow::job() const {
    if (!changed()) return std::nullopt;
    return m_review.selection();
}

void ReviewFlow::open() {
    if (!m_labels) return;
    if (!m_window) {
        const OverrideCursor wait;
        m_window = new ReviewWindow(m_dialogs, m_review, *m_labels);
        connect(m_window->model(), &ReviewModel::jobChanged, this, &ReviewFlow::placeAndCheck);
        connect(m_window, &ReviewWindow::printChosen, this,
                [this](const std::vector<qint64>& labels) {
                    emit printChosen(m_review.selectionOf(labels));
                });
        placeAndCheck();
    }
    bringToFront(m_window);
}

void ReviewFlow::showFindings(const std::vector<labelcheck::Finding>& findings,
                              const std::optional<jobselection::Selection>& job) {
    open();
    m_review.setFindings(findings, job ? *job : jobselection::everyLabel(m_review.count()));
    m_window->model()->placesAndFindingsChanged();
    if (const auto first = m_review.firstFlagged()) m_window->showLabel(*first);
}

void ReviewFlow::firstSheetChanged() {
    if (m_window) placeAndCheck();
}

// After the job or the first sheet changed: where each label prints, the
// check on the job, and what the windows show of them.
void ReviewFlow::placeAndCheck() {
    const OverrideCursor wait;
    const FirstSheet first = m_firstSheet();
    m_review.place(first);
    const std::optional<jobselection::Selection> reviewed = job();
    m_review.setFindings(m_check(reviewed ? &*reviewed : nullptr, first),
                         reviewed ? *reviewed : jobselection::everyLabel(m_review.count()));
    if (m_window) m_window->model()->placesAndFindingsChanged();
    emit jobChanged();
}

QString ReviewFlow::caption(const QString& generated) const {
    if (!changed()) return generated;
    return QStringLiteral("Se imprimirán %1 etiquetas (%2 generadas)")
        .arg(m_review.labelsToPrint())
        .arg(m_review.count());
}
