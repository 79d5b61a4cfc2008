#include "common/ui/review/reviewwindow.h"

#include <QBrush>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>

#include "common/core/text/messages.h"
#include "common/ui/boxes/dialogs.h"

namespace {

// A label's lines on one row: " / " between lines, " | " between fields.
QString oneLine(const review::Fields& fields) {
    QStringList parts;
    for (const QStringList& lines : fields) parts.append(lines.join(QStringLiteral(" / ")));
    return parts.join(QStringLiteral("  |  "));
}

QString severalLines(const review::Fields& fields, const std::vector<review::FieldRule>& rules) {
    QStringList parts;
    for (size_t f = 0; f < fields.size(); ++f) {
        const QString caption =
            f < rules.size() ? rules[f].caption + QStringLiteral(":\n") : QString();
        parts.append(caption + fields[f].join(u'\n'));
    }
    return parts.join(QStringLiteral("\n\n"));
}

// "Copias": a number from 1 to 99.
class CopiesDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* box = new QSpinBox(parent);
        box->setRange(1, jobselection::kMaxCopies);
        box->setFrame(false);
        return box;
    }
};

}  // namespace

ReviewModel::ReviewModel(review::Review& review, std::shared_ptr<const review::LabelSource> source,
                         std::vector<review::FieldRule> rules, QObject* parent)
    : QAbstractTableModel(parent),
      m_review(review),
      m_source(std::move(source)),
      m_rules(std::move(rules)),
      m_rows(int(m_review.count())) {}

void ReviewModel::rowsAdded(std::shared_ptr<const review::LabelSource> source) {
    const int rows = int(m_review.count());
    if (rows <= m_rows) return;
    beginInsertRows({}, m_rows, rows - 1);
    m_source = std::move(source);
    m_rows = rows;
    endInsertRows();
}

int ReviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int ReviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const headers[] = {QT_TRANSLATE_NOOP("ReviewModel", "Nº"),
                                          QT_TRANSLATE_NOOP("ReviewModel", "Hoja · lugar"),
                                          QT_TRANSLATE_NOOP("ReviewModel", "Imprimir"),
                                          QT_TRANSLATE_NOOP("ReviewModel", "Copias"),
                                          QT_TRANSLATE_NOOP("ReviewModel", "Etiqueta"),
                                          QT_TRANSLATE_NOOP("ReviewModel", "Revisión")};
    return tr(headers[section]);
}

namespace {

// The palette's base colour shaded towards `hue`: text in the palette's own
// colour stays readable on it in a light, a dark or a high-contrast theme.
QBrush shaded(const QColor& hue) {
    const QColor base = QGuiApplication::palette().color(QPalette::Base);
    constexpr double kShade = 0.25;
    auto mix = [](double from, double to) { return from + (to - from) * kShade; };
    return QColor::fromRgbF(float(mix(base.redF(), hue.redF())),
                            float(mix(base.greenF(), hue.greenF())),
                            float(mix(base.blueF(), hue.blueF())));
}

}  // namespace

QVariant ReviewModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const qint64 label = index.row();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return display(label, index.column());
        case Qt::BackgroundRole:
            if (!m_review.findings(label).isEmpty()) return shaded(Qt::red);
            if (m_review.edit(label)) return shaded(Qt::yellow);
            return {};
        case Qt::CheckStateRole:
            if (index.column() != Print) return {};
            return m_review.printed(label) ? Qt::Checked : Qt::Unchecked;
        case Qt::ToolTipRole:
            if (index.column() == Findings) return m_review.findings(label).join(u'\n');
            if (index.column() != Lines) return {};
            return severalLines(
                m_review.edit(label) ? *m_review.edit(label) : m_source->fields(label), m_rules);
        case Qt::TextAlignmentRole:
            return index.column() <= Copies ? QVariant(Qt::AlignCenter) : QVariant();
        case FieldsRole:
            if (index.column() != Lines) return {};
            return QVariant::fromValue(m_review.edit(label) ? *m_review.edit(label)
                                                            : m_source->fields(label));
        default:
            return {};
    }
}

QVariant ReviewModel::display(qint64 label, int column) const {
    switch (column) {
        case Number:
            return label + 1;
        case Place:
            if (const auto slot = m_review.slot(label))
                return QStringLiteral("%1 · %2").arg(slot->page).arg(slot->place);
            return QStringLiteral("—");
        case Copies:
            return m_review.copies(label);
        case Lines:
            return oneLine(m_review.edit(label) ? *m_review.edit(label) : m_source->fields(label));
        case Findings: {
            QStringList notes = m_review.findings(label);
            if (m_review.edit(label)) notes.prepend(tr("editada"));
            return notes.join(QStringLiteral("; "));
        }
        default:
            return {};
    }
}

Qt::ItemFlags ReviewModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == Print) flags |= Qt::ItemIsUserCheckable;
    if (index.column() == Copies) flags |= Qt::ItemIsEditable;
    return flags;
}

bool ReviewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const qint64 label = index.row();
    if (index.column() == Print && role == Qt::CheckStateRole) {
        m_review.setPrinted(label, value.value<Qt::CheckState>() == Qt::Checked);
    } else if (index.column() == Copies && role == Qt::EditRole) {
        if (!m_review.setCopies(label, value.toInt())) return false;
    } else if (index.column() == Lines && role == FieldsRole) {
        // Lines equal to the generated ones are no edit.
        const review::Fields fields = value.value<review::Fields>();
        if (!value.isValid() || fields == m_source->fields(label)) {
            m_review.undo(label);
        } else {
            m_review.setEdit(label, fields);
        }
    } else {
        return false;
    }
    rowChanged(index.row());
    emit jobChanged();
    return true;
}

void ReviewModel::rowChanged(int row) {
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void ReviewModel::placesAndFindingsChanged() {
    if (rowCount() == 0) return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1),
                     {Qt::DisplayRole, Qt::BackgroundRole, Qt::ToolTipRole});
}

ReviewWindow::ReviewWindow(Dialogs& dialogs, review::Review& review,
                           std::shared_ptr<const review::LabelSource> source,
                           std::vector<review::FieldRule> rules)
    : QWidget(nullptr, Qt::Window),
      m_dialogs(dialogs),
      m_review(review),
      m_rules(rules),
      m_model(new ReviewModel(review, std::move(source), std::move(rules), this)),
      m_table(new QTableView(this)),
      m_summary(new QLabel(this)) {
    setObjectName(QStringLiteral("frmRevisar"));
    setWindowTitle(tr("Revisar las etiquetas"));
    resize(900, 560);

    m_table->setObjectName(QStringLiteral("grdEtiquetas"));
    m_table->setAccessibleName(tr("Etiquetas del trabajo"));
    m_table->setModel(m_model);
    m_table->setItemDelegateForColumn(ReviewModel::Copies, new CopiesDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    // Tab goes on to the buttons; Enter and F2 edit the row (eventFilter).
    m_table->setTabKeyNavigation(false);
    m_table->installEventFilter(this);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    // Rows of one height, and columns sized by their headers rather than by
    // reading every row: the table opens as fast for 100,000 labels as for 10.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    const QFontMetrics metrics(m_table->font());
    const int digit = metrics.horizontalAdvance(u'0');
    m_table->setColumnWidth(ReviewModel::Number, digit * 8);
    m_table->setColumnWidth(ReviewModel::Place, digit * 12);
    m_table->setColumnWidth(ReviewModel::Print, digit * 9);
    m_table->setColumnWidth(ReviewModel::Copies, digit * 8);
    m_table->setColumnWidth(ReviewModel::Lines, digit * 48);
    m_table->horizontalHeader()->setStretchLastSection(true);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &ReviewWindow::showSummary);
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() != ReviewModel::Print && index.column() != ReviewModel::Copies)
            editLabel(index.row());
    });

    m_summary->setObjectName(QStringLiteral("lblResumen"));
    auto button = [this](const char* name, const QString& text, auto command) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, command);
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("cmdEditar", tr("&Editar…"), [this] {
        const std::vector<qint64> chosen = chosenLabels();
        if (!chosen.empty()) editLabel(chosen.front());
    }));
    buttons->addWidget(button("cmdDeshacer", tr("&Deshacer"), [this] { undoChosen(); }));
    buttons->addWidget(button("cmdNueva", tr("&Nueva etiqueta…"), [this] { typeNewLabel(); }));
    buttons->addStretch();
    buttons->addWidget(
        button("cmdImprimirSeleccion", tr("&Imprimir solo las seleccionadas"), [this] {
            const std::vector<qint64> chosen = chosenLabels();
            if (!chosen.empty()) emit printChosen(chosen);
        }));
    buttons->addWidget(button("cmdCerrar", tr("&Cerrar"), [this] { close(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    showSummary();
}

void ReviewWindow::showSummary() {
    qint64 flagged = 0, edited = 0;
    for (qint64 label = 0; label < m_review.count(); ++label) {
        flagged += !m_review.findings(label).isEmpty();
        edited += m_review.edit(label) != nullptr;
    }
    m_summary->setText(tr("%n etiquetas; se imprimirán %1. Con avisos: %2. Editadas: %3.",
                          nullptr, int(m_review.count()))
                           .arg(m_review.labelsToPrint())
                           .arg(flagged)
                           .arg(edited));
}

void ReviewWindow::showLabel(qint64 label) {
    const QModelIndex index = m_model->index(int(label), ReviewModel::Lines);
    m_table->setCurrentIndex(index);
    m_table->selectionModel()->select(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

std::vector<qint64> ReviewWindow::chosenLabels() const {
    std::vector<qint64> labels;
    for (const QModelIndex& row : m_table->selectionModel()->selectedRows())
        labels.push_back(row.row());
    std::sort(labels.begin(), labels.end());
    return labels;
}

void ReviewWindow::editLabel(qint64 label) {
    QStringList captions;
    for (const review::FieldRule& rule : m_rules) captions.append(rule.caption);
    const QModelIndex lines = m_model->index(int(label), ReviewModel::Lines);
    review::Fields shown = lines.data(ReviewModel::FieldsRole).value<review::Fields>();
    const QString title = tr("Etiqueta %1").arg(label + 1);
    while (const std::optional<review::Fields> edited =
               m_dialogs.editLabel(this, title, captions, shown)) {
        const QString broken = review::brokenRule(*edited, m_rules);
        if (broken.isEmpty()) {
            m_model->setData(lines, QVariant::fromValue(*edited), ReviewModel::FieldsRole);
            return;
        }
        m_dialogs.message(this, messages::title(), broken);
        shown = *edited;
    }
}

bool ReviewWindow::eventFilter(QObject* watched, QEvent* event) {
    // Keys reach the table itself only while no cell is being edited.
    if (watched != m_table || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_F2) return false;
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid()) return true;
    if (current.column() == ReviewModel::Copies) {
        m_table->edit(current);  // the number of copies, in place
    } else {
        editLabel(current.row());
    }
    return true;
}

void ReviewWindow::typeNewLabel() {
    QStringList captions;
    for (const review::FieldRule& rule : m_rules) captions.append(rule.caption);
    const std::optional<review::Fields> typed =
        m_dialogs.editLabel(this, tr("Nueva etiqueta"), captions, review::Fields(m_rules.size()));
    if (!typed) return;
    QStringList fields;
    for (const QStringList& lines : *typed) fields.append(lines.join(u' '));
    if (fields.join(QString()).trimmed().isEmpty()) return;
    emit labelTyped(fields);
    showLabel(m_review.count() - 1);
}

void ReviewWindow::undoChosen() {
    for (qint64 label : chosenLabels()) {
        if (!m_review.edit(label)) continue;
        m_model->setData(m_model->index(int(label), ReviewModel::Lines), QVariant(),
                         ReviewModel::FieldsRole);
    }
}
