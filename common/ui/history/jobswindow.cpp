#include "common/ui/history/jobswindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/core/text/messages.h"
#include "common/ui/boxes/dialogs.h"

namespace {

// The date a job shows: the user's own way of writing dates.
QString shownDate(const QDateTime& made) {
    return QLocale().toString(made.toLocalTime(), QLocale::ShortFormat);
}

}  // namespace

JobsWindow::JobsWindow(Dialogs& dialogs, std::shared_ptr<jobhistory::History> history)
    : QWidget(nullptr, Qt::Window),
      m_dialogs(dialogs),
      m_history(std::move(history)),
      m_search(new QLineEdit(this)),
      m_list(new QTreeWidget(this)),
      m_open(new QPushButton(tr("&Abrir"), this)),
      m_remove(new QPushButton(tr("&Quitar"), this)) {
    setObjectName(QStringLiteral("frmTrabajos"));
    setWindowTitle(tr("Trabajos anteriores"));
    auto* layout = new QVBoxLayout(this);
    auto* searchRow = new QHBoxLayout;
    auto* searchCaption = new QLabel(tr("&Buscar:"), this);
    searchCaption->setBuddy(m_search);
    m_search->setObjectName(QStringLiteral("txtBuscar"));
    m_search->setPlaceholderText(tr("una signatura, o cualquier texto de las etiquetas"));
    m_search->setClearButtonEnabled(true);
    searchRow->addWidget(searchCaption);
    searchRow->addWidget(m_search);
    layout->addLayout(searchRow);

    m_list->setObjectName(QStringLiteral("lstTrabajos"));
    m_list->setAccessibleName(tr("Trabajos guardados"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({tr("Fecha"), tr("Etiquetas"), tr("Primera signatura"),
                             tr("Última signatura"), tr("Hoja")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_list);

    auto* buttons = new QHBoxLayout;
    m_open->setObjectName(QStringLiteral("cmdAbrir"));
    m_remove->setObjectName(QStringLiteral("cmdQuitar"));
    auto* close = new QPushButton(tr("&Cerrar"), this);
    close->setObjectName(QStringLiteral("cmdCerrar"));
    buttons->addWidget(m_open);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    m_open->setDefault(true);

    connect(m_search, &QLineEdit::textChanged, this, &JobsWindow::search);
    connect(m_open, &QPushButton::clicked, this, &JobsWindow::openPicked);
    connect(m_list, &QTreeWidget::itemActivated, this, &JobsWindow::openPicked);
    connect(m_remove, &QPushButton::clicked, this, &JobsWindow::removePicked);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] {
        m_open->setEnabled(picked() != nullptr);
        m_remove->setEnabled(picked() != nullptr);
    });
    fill();
    resize(760, 420);
}

void JobsWindow::fill() {
    m_jobs = m_history->list();
    m_list->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(qsizetype(m_jobs.size()));
    for (size_t i = 0; i < m_jobs.size(); ++i) {
        const jobhistory::Listed& job = m_jobs[i];
        auto* row = new QTreeWidgetItem({shownDate(job.made), QLocale().toString(job.labelCount),
                                         job.firstCallNumber, job.lastCallNumber,
                                         job.stock.isEmpty() ? tr("la de siempre") : job.stock});
        row->setData(0, Qt::UserRole, qulonglong(i));
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        rows.append(row);
    }
    m_list->addTopLevelItems(rows);
    if (!rows.isEmpty()) m_list->setCurrentItem(rows.first());
    m_open->setEnabled(!rows.isEmpty());
    m_remove->setEnabled(!rows.isEmpty());
    search(m_search->text());
}

void JobsWindow::search(const QString& text) {
    QTreeWidgetItem* first = nullptr;
    for (int r = 0; r < m_list->topLevelItemCount(); ++r) {
        QTreeWidgetItem* row = m_list->topLevelItem(r);
        const size_t job = row->data(0, Qt::UserRole).toULongLong();
        const bool shown = text.isEmpty() || jobhistory::matches(m_jobs[job], text);
        row->setHidden(!shown);
        if (shown && !first) first = row;
    }
    if (!m_list->currentItem() || m_list->currentItem()->isHidden()) m_list->setCurrentItem(first);
    m_open->setEnabled(picked() != nullptr);
    m_remove->setEnabled(picked() != nullptr);
}

const jobhistory::Listed* JobsWindow::picked() const {
    const QTreeWidgetItem* row = m_list->currentItem();
    if (!row || row->isHidden()) return nullptr;
    return &m_jobs[row->data(0, Qt::UserRole).toULongLong()];
}

void JobsWindow::openPicked() {
    if (const jobhistory::Listed* job = picked()) emit openAsked(job->file);
}

void JobsWindow::removePicked() {
    const jobhistory::Listed* job = picked();
    if (!job) return;
    const QString question = tr("¿Quitar el trabajo del %1, de %n etiquetas? No se podrá recuperar.",
                                nullptr, int(job->labelCount))
                                 .arg(shownDate(job->made));
    if (!m_dialogs.question(this, messages::title(), question)) return;
    if (!m_history->remove(job->file)) {
        m_dialogs.message(this, messages::title(),
                          tr("No se pudo quitar el trabajo: su archivo no se deja borrar."));
    }
    fill();
}
