#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <memory>
#include <vector>

#include "common/core/review/review.h"

class Dialogs;
class QLabel;
class QTableView;

// The labels of a job as rows of a table, read from the review and the
// generated labels only for the rows on view: a hundred thousand labels
// cost no more than a screenful. Every change goes through setData() and is
// announced with dataChanged().
class ReviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, Place, Print, Copies, Lines, Findings, ColumnCount };
    // The lines a label prints, as review::Fields, in the column Lines: set
    // to an empty variant, the generated lines again ("Deshacer").
    static constexpr int FieldsRole = Qt::UserRole;

    ReviewModel(review::Review& review, std::shared_ptr<const review::LabelSource> source,
                std::vector<review::FieldRule> rules, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // After the places and the check were worked out again: every row's
    // place and findings may have changed.
    void placesAndFindingsChanged();
    // Labels typed by hand came after the rows there were, in `source`.
    void rowsAdded(std::shared_ptr<const review::LabelSource> source);

signals:
    // A label left out or taken back, its copies or its lines changed.
    void jobChanged();

private:
    QVariant display(qint64 label, int column) const;
    void rowChanged(int row);

    review::Review& m_review;
    std::shared_ptr<const review::LabelSource> m_source;
    std::vector<review::FieldRule> m_rules;
    int m_rows;  // as the views were told
};

// "Revisar" (frmRevisar): the list of the job's labels as they will print,
// where the user leaves labels out, asks for copies, edits a label for this
// job and prints only some of them.
class ReviewWindow : public QWidget {
    Q_OBJECT
public:
    // `rules`: what each field may hold when it is edited.
    ReviewWindow(Dialogs& dialogs, review::Review& review,
                 std::shared_ptr<const review::LabelSource> source,
                 std::vector<review::FieldRule> rules);

    ReviewModel* model() const { return m_model; }

    // Scrolls to the label (from 0) and makes it the chosen row.
    void showLabel(qint64 label);
    // The rows chosen in the table, as labels from 0.
    std::vector<qint64> chosenLabels() const;
    // "Editar…": the label's lines for this job, within their limits.
    void editLabel(qint64 label);
    void undoChosen();  // "Deshacer"
    void typeNewLabel();  // "Nueva etiqueta…"

signals:
    void printChosen(const std::vector<qint64>& labels);  // "Imprimir solo las seleccionadas"
    void labelTyped(const QStringList& fields);            // each field on one line

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;  // Enter and F2 in the table

private:
    void showSummary();

    Dialogs& m_dialogs;
    review::Review& m_review;
    std::vector<review::FieldRule> m_rules;
    ReviewModel* m_model;
    QTableView* m_table;
    QLabel* m_summary;  // lblResumen
};
