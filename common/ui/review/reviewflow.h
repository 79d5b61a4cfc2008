#pragma once

#include <QObject>

#include "common/core/program/workbench.h"
#include "common/ui/frame/secondarywindow.h"
#include "common/ui/review/reviewwindow.h"

class Dialogs;

// "Revisar" beside a main window: the list that shows the review of the
// workbench's labels, and after every change where each label prints and
// what the check finds; the question before the changes go.
class ReviewFlow : public QObject {
    Q_OBJECT
public:
    // `mainWindow` asks the questions.
    ReviewFlow(Dialogs& dialogs, QWidget* mainWindow, Workbench& workbench);

    // Before the changes go ("Generar", "Limpiar", "Salir"): asks when there
    // are any. False when the user keeps them.
    bool mayDiscardChanges();

    // "Revisar", placed from the free places of `first`.
    void open(const FirstSheet& first);
    // The check found these on `choice`: the list opens at the first label
    // flagged.
    void showFindings(const std::vector<labelcheck::Finding>& findings,
                      const jobselection::Choice& choice, const FirstSheet& first);
    // The places used on the first sheet changed, or the sheet did.
    void firstSheetChanged(const FirstSheet& first);
    // lblEspere: the labels the job prints while the review changes it,
    // otherwise what "Generar" said.
    QString caption(const QString& generated) const;

    ReviewWindow* window() const { return m_window.get(); }

signals:
    void jobChanged();
    // "Imprimir solo las seleccionadas".
    void printChosen(const jobselection::Selection& selection);

private:
    void placeAndCheck();

    Dialogs& m_dialogs;
    QWidget* m_mainWindow;
    Workbench& m_workbench;
    FirstSheet m_first{1};  // where the list places the labels
    SecondaryWindow<ReviewWindow> m_window;
};
