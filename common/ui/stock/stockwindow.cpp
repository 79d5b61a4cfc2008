#include "common/ui/stock/stockwindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "common/core/text/messages.h"
#include "common/core/text/number.h"
#include "common/core/sheets/stockchoice.h"
#include "common/ui/boxes/dialogs.h"
#include "common/ui/frame/overridecursor.h"

namespace {

// The program's own sheet, drawn as even cells on A4.
Stock ownSheet(SheetShape shape) {
    return {{}, {}, 210, 297, 190.0 / shape.columns, 277.0 / shape.rows, shape.columns,
            shape.rows, 10, 10, 190.0 / shape.columns, 277.0 / shape.rows};
}

const QString kMillimetres = QStringLiteral(" (mm)");

}  // namespace

SheetPicture::SheetPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picMuestra"));
    setMinimumSize(180, 250);
}

void SheetPicture::show(const std::optional<Stock>& stock, SheetShape own) {
    m_shown = stock ? *stock : ownSheet(own);
    update();
}

void SheetPicture::paintEvent(QPaintEvent*) {
    if (m_shown.paperWidthMm <= 0 || m_shown.paperHeightMm <= 0) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = std::min((width() - 2) / m_shown.paperWidthMm,
                                  (height() - 2) / m_shown.paperHeightMm);
    painter.translate((width() - m_shown.paperWidthMm * scale) / 2, 1);
    painter.scale(scale, scale);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(0, 0, m_shown.paperWidthMm, m_shown.paperHeightMm));
    painter.setBrush(QColor(0xFF, 0xF0, 0x90));
    for (int p = 0; p < m_shown.shape().places(); ++p) {
        painter.drawRoundedRect(QRectF(m_shown.labelLeftCm(p) * 10, m_shown.labelTopCm(p) * 10,
                                       m_shown.labelWidthMm, m_shown.labelHeightMm),
                                1, 1);
    }
}

StockWindow::StockWindow(Dialogs& dialogs, const QString& ownName, SheetShape own,
                         const std::optional<Stock>& current, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_dialogs(dialogs),
      m_ownName(ownName),
      m_own(own),
      m_search(new QLineEdit(this)),
      m_list(new QListWidget(this)),
      m_picture(new SheetPicture(this)),
      m_details(new QLabel(this)),
      m_form(new QGroupBox(QStringLiteral("Otra hoja"), this)),
      m_name(new QLineEdit(m_form)),
      m_paper(new QComboBox(m_form)) {
    setObjectName(QStringLiteral("frmHoja"));
    setWindowTitle(QStringLiteral("Hoja de etiquetas"));
    {
        const OverrideCursor wait;
        m_catalogue = catalogue::read(catalogue::folder());
        m_typed = stockchoice::typed();
    }
    m_search->setObjectName(QStringLiteral("txtBuscar"));
    m_search->setPlaceholderText(QStringLiteral("Marca, producto o medidas: Herma, 4102, 48,5 x 25,4"));
    m_list->setObjectName(QStringLiteral("lstHojas"));
    m_details->setObjectName(QStringLiteral("lblDetalle"));
    m_details->setWordWrap(true);
    auto* note = new QLabel(
        QStringLiteral("%1 hojas en el catálogo; no se muestran %2 que estos programas no pueden "
                       "imprimir (etiquetas redondas, ovaladas o de CD, o en varias rejillas).")
            .arg(m_catalogue.stocks.size())
            .arg(m_catalogue.skipped()),
        this);
    note->setObjectName(QStringLiteral("lblCatalogo"));
    note->setWordWrap(true);

    auto button = [this](const char* name, const QString& text, auto command, QWidget* parent) {
        auto* b = new QPushButton(text, parent);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, command);
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("cmdUsar", QStringLiteral("Usar esta hoja"), [this] { useCurrent(); }, this));
    buttons->addWidget(button("cmdOtra", QStringLiteral("Otra hoja…"), [this] { openTypedForm(); }, this));
    buttons->addStretch();
    buttons->addWidget(button("cmdCerrar", QStringLiteral("Cerrar"), [this] { close(); }, this));

    // "Otra hoja…": a sheet typed from its box.
    m_form->setObjectName(QStringLiteral("fraOtraHoja"));
    auto* form = new QFormLayout(m_form);
    m_name->setObjectName(QStringLiteral("txtNombre"));
    form->addRow(QStringLiteral("Nombre"), m_name);
    m_paper->setObjectName(QStringLiteral("cmbPapel"));
    m_paper->addItems({QStringLiteral("A4"), QStringLiteral("Carta")});
    form->addRow(QStringLiteral("Papel"), m_paper);
    for (const auto& [name, caption] :
         {std::pair{"txtColumnas", QStringLiteral("Columnas")},
          {"txtFilas", QStringLiteral("Filas")},
          {"txtAncho", QStringLiteral("Ancho de la etiqueta") + kMillimetres},
          {"txtAlto", QStringLiteral("Alto de la etiqueta") + kMillimetres},
          {"txtIzquierda", QStringLiteral("Margen izquierdo, hasta la primera etiqueta") + kMillimetres},
          {"txtArriba", QStringLiteral("Margen superior, hasta la primera etiqueta") + kMillimetres},
          {"txtPasoAncho", QStringLiteral("De una etiqueta a la siguiente, a lo ancho") + kMillimetres},
          {"txtPasoAlto", QStringLiteral("De una fila a la siguiente, a lo alto") + kMillimetres}}) {
        m_measures.push_back(number(name, caption));
        form->addRow(caption, m_measures.back());
    }
    form->addRow(button("cmdGuardarHoja", QStringLiteral("Guardar y usar"), [this] { keepTyped(); },
                        m_form));
    m_form->hide();

    auto* right = new QVBoxLayout;
    right->addWidget(m_picture, 1);
    right->addWidget(m_details);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_list, 3);
    middle->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_search);
    layout->addLayout(middle, 1);
    layout->addWidget(note);
    layout->addLayout(buttons);
    layout->addWidget(m_form);
    resize(820, 560);

    connect(m_search, &QLineEdit::textChanged, this, &StockWindow::search);
    connect(m_list, &QListWidget::currentRowChanged, this, &StockWindow::showCurrent);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &StockWindow::useCurrent);
    search(current ? current->name : QString());
}

QLineEdit* StockWindow::number(const char* name, const QString& caption) {
    auto* field = new QLineEdit(m_form);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(caption);
    return field;
}

void StockWindow::search(const QString& text) {
    if (m_search->text() != text) m_search->setText(text);  // comes back here
    m_listed = catalogue::search(m_catalogue, text);
    std::vector<const Stock*> typed;
    for (const Stock& stock : m_typed) {
        if (stock.name.contains(text.trimmed(), Qt::CaseInsensitive)) typed.push_back(&stock);
    }
    m_listed.insert(m_listed.begin(), typed.begin(), typed.end());
    m_list->clear();
    m_list->addItem(m_ownName);
    for (const Stock* stock : m_listed) {
        const bool own = stock >= m_typed.data() && stock < m_typed.data() + m_typed.size();
        m_list->addItem(QStringLiteral("%1%2 — %3 × %4 mm, %5 por hoja, %6")
                            .arg(stock->name, own ? QStringLiteral(" (suya)") : QString(),
                                 formatDecimal(stock->labelWidthMm),
                                 formatDecimal(stock->labelHeightMm))
                            .arg(stock->shape().places())
                            .arg(stock->paperName()));
    }
    m_list->setCurrentRow(m_listed.empty() || text.trimmed().isEmpty() ? 0 : 1);
}

std::optional<Stock> StockWindow::current() const {
    const int row = m_list->currentRow();
    if (row < 1 || row > int(m_listed.size())) return std::nullopt;
    return *m_listed[size_t(row - 1)];
}

void StockWindow::showCurrent() {
    const std::optional<Stock> stock = current();
    m_picture->show(stock, m_own);
    m_details->setText(stock ? stock->name + QStringLiteral(": ") + stock->summary() +
                                   (stock->description.isEmpty()
                                        ? QString()
                                        : QStringLiteral(". ") + stock->description)
                             : m_ownName);
}

void StockWindow::useCurrent() {
    emit stockChosen(current());
    close();
}

void StockWindow::openTypedForm() {
    const Stock from = current().value_or(Stock{});
    m_name->setText(current() ? from.name + QStringLiteral(" (mía)") : QString());
    m_paper->setCurrentIndex(from.paperName() == QLatin1String("Carta") ? 1 : 0);
    const double values[] = {double(from.columns), double(from.rows), from.labelWidthMm,
                             from.labelHeightMm, from.leftMm, from.topMm, from.pitchXMm,
                             from.pitchYMm};
    for (size_t i = 0; i < m_measures.size(); ++i) {
        m_measures[i]->setText(current() ? formatDecimal(values[i]).remove(QStringLiteral(",00"))
                                         : QString());
    }
    m_form->show();
    m_name->setFocus();
}

void StockWindow::keepTyped() {
    std::vector<double> values;
    for (QLineEdit* field : m_measures) {
        const auto value = parseNumber(field->text());
        if (!value) {
            m_dialogs.message(this, messages::kTitle,
                              QStringLiteral("«%1» no es un número: %2.")
                                  .arg(field->text(), field->accessibleName()));
            field->setFocus();
            return;
        }
        values.push_back(*value);
    }
    if (values[0] != std::floor(values[0]) || values[1] != std::floor(values[1])) {
        m_dialogs.message(this, messages::kTitle,
                          QStringLiteral("Las columnas y las filas se cuentan con números enteros."));
        return;
    }
    const bool letter = m_paper->currentIndex() == 1;
    const Stock typed{m_name->text().trimmed(), {},        letter ? 215.9 : 210.0,
                      letter ? 279.4 : 297.0,   values[2], values[3],
                      toCount(values[0]),       toCount(values[1]), values[4],
                      values[5],                values[6], values[7]};
    if (const QString problem = stockchoice::keepTyped(typed, m_catalogue); !problem.isEmpty()) {
        m_dialogs.message(this, messages::kTitle, problem);
        return;
    }
    m_typed = stockchoice::typed();
    m_form->hide();
    search(typed.name);
    emit stockChosen(typed);
    close();
}
