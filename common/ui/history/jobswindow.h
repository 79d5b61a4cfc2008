#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "common/core/history/jobhistory.h"

class Dialogs;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// "Trabajos anteriores…" (frmTrabajos): the jobs kept, newest first, each
// with its date, its labels, its first and last call numbers and its stock;
// a search over every field of every label kept (txtBuscar); "Abrir" hands
// a job to the review, "Quitar" deletes one after asking.
class JobsWindow : public QWidget {
    Q_OBJECT
public:
    JobsWindow(Dialogs& dialogs, std::shared_ptr<jobhistory::History> history);

    // The jobs the list shows, the search aside.
    const std::vector<jobhistory::Listed>& jobs() const { return m_jobs; }
    // The jobs as the history holds them now, the search kept.
    void refresh() { fill(); }

signals:
    // "Abrir" on the job kept in `file`.
    void openAsked(const QString& file);

private:
    void fill();
    void search(const QString& text);
    // The job of the row picked, if a row is.
    const jobhistory::Listed* picked() const;
    void openPicked();
    void removePicked();

    Dialogs& m_dialogs;
    std::shared_ptr<jobhistory::History> m_history;
    std::vector<jobhistory::Listed> m_jobs;
    QLineEdit* m_search;  // txtBuscar
    QTreeWidget* m_list;  // lstTrabajos
    QPushButton* m_open;  // cmdAbrir
    QPushButton* m_remove;  // cmdQuitar
};
