#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "common/core/review/review.h"
#include "common/ui/review/reviewwindow.h"

class Dialogs;
class FirstSheet;

// "Revisar" beside a main window: the review of the generated labels, the
// list that shows it, and after every change where each label prints and
// what the check finds; the question before the changes go.
class ReviewFlow : public QObject {
    Q_OBJECT
public:
    // The check's findings on a job of the generated labels (every label once,
    // as generated, without one), from the first sheet as it is now.
    using Check = std::function<std::vector<labelcheck::Finding>(const jobselection::Selection* job,
                                                                 const FirstSheet& first)>;

    // A child of `mainWindow`, which asks the questions.
    ReviewFlow(Dialogs& dialogs, QWidget* mainWindow, Check check,
               std::function<FirstSheet()> firstSheet);
    ~ReviewFlow() override;  // the list is a window of its own

    // After "Generar": the labels to review, once each at first; none after
    // "Limpiar". `labels` must outlive the review.
    void start(const review::LabelSource* labels);
    // Before the changes go ("Generar", "Limpiar", "Salir"): asks when there
    // are any. False when the user keeps them.
    bool letGo();
    bool changed() const { return m_review.changed(); }

    // The job as reviewed; none when it is every label once, as generated.
    std::optional<jobselection::Selection> job() const;
    // The check found these on `job` (none: every label): the list opens at
    // the first label flagged.
    void showFindings(const std::vector<labelcheck::Finding>& findings,
                      const std::optional<jobselection::Selection>& job);
    // "Revisar".
    void open();
    // The places used on the first sheet changed, or the sheet did.
    void firstSheetChanged();
    // lblEspere: the labels the job prints while the review changes it,
    // otherwise what "Generar" said.
    QString caption(const QString& generated) const;

    ReviewWindow* window() const { return m_window; }

signals:
    void jobChanged();
    // "Imprimir solo las seleccionadas".
    void printChosen(const jobselection::Selection& selection);

private:
    void placeAndCheck();

    Dialogs& m_dialogs;
    QWidget* m_mainWindow;
    Check m_check;
    std::function<FirstSheet()> m_firstSheet;
    const review::LabelSource* m_labels = nullptr;
    review::Review m_review;
    QPointer<ReviewWindow> m_window;
};
