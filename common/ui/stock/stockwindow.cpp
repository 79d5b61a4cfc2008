#include "common/ui/stock/stockwindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSizeF>
#include <cmath>

#include "common/core/sheets/stockchoice.h"
#include "common/core/text/messages.h"
#include "common/core/text/number.h"
#include "common/ui/boxes/dialogs.h"
#include "common/ui/frame/overridecursor.h"

namespace {

// The program's own sheet, drawn as even cells on A4.
Stock ownSheet(LabelGrid grid) {
    return {.paperWidthMm = 210,
            .paperHeightMm = 297,
            .labelWidthMm = 190.0 / grid.columns,
            .labelHeightMm = 277.0 / grid.rows,
            .columns = grid.columns,
            .rows = grid.rows,
            .leftMm = 10,
            .topMm = 10,
            .pitchXMm = 190.0 / grid.columns,
            .pitchYMm = 277.0 / grid.rows};
}

// The papers a typed sheet may be on, in mm.
const QSizeF kA4(210, 297);
const QSizeF kLetter(215.9, 279.4);

bool isPaper(const Stock& stock, QSizeF paper) {
    return std::abs(stock.paperWidthMm - paper.width()) < 1 &&
           std::abs(stock.paperHeightMm - paper.height()) < 1;
}

}  // namespace

StockPicture::StockPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picMuestra"));
    setMinimumSize(180, 250);
}

void StockPicture::show(const std::optional<Stock>& stock, LabelGrid own) {
    m_shown = stock ? *stock : ownSheet(own);
    update();
}

void StockPicture::paintEvent(QPaintEvent*) {
    if (m_shown.paperWidthMm <= 0 || m_shown.paperHeightMm <= 0) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale =
        std::min((width() - 2) / m_shown.paperWidthMm, (height() - 2) / m_shown.paperHeightMm);
    painter.translate((width() - m_shown.paperWidthMm * scale) / 2, 1);
    painter.scale(scale, scale);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(0, 0, m_shown.paperWidthMm, m_shown.paperHeightMm));
    painter.setBrush(QColor(0xFF, 0xF0, 0x90));
    for (int p = 0; p < m_shown.grid().places(); ++p) {
        painter.drawRoundedRect(QRectF(m_shown.labelLeftCm(p) * 10, m_shown.labelTopCm(p) * 10,
                                       m_shown.labelWidthMm, m_shown.labelHeightMm),
                                1, 1);
    }
}

StockWindow::StockWindow(Dialogs& dialogs, const QString& ownName, LabelGrid own,
                         const std::optional<Stock>& current)
    : QWidget(nullptr, Qt::Window),
      m_dialogs(dialogs),
      m_ownName(ownName),
      m_own(own),
      m_search(new QLineEdit(this)),
      m_list(new QListWidget(this)),
      m_picture(new StockPicture(this)),
      m_details(new QLabel(this)),
      m_form(new QGroupBox(tr("Otra hoja"), this)),
      m_name(new QLineEdit(m_form)),
      m_paper(new QComboBox(m_form)) {
    setObjectName(QStringLiteral("frmHoja"));
    setWindowTitle(tr("Hoja de etiquetas"));
    {
        const OverrideCursor wait;
        m_catalogue = catalogue::read(catalogue::folder());
        m_typed = stockchoice::typed();
    }
    m_search->setObjectName(QStringLiteral("txtBuscar"));
    m_search->setPlaceholderText(tr("Marca, producto o medidas: Herma, 4102, 48,5 x 25,4"));
    m_list->setObjectName(QStringLiteral("lstHojas"));
    m_search->setAccessibleName(tr("Buscar una hoja"));
    m_list->setAccessibleName(tr("Hojas que coinciden"));
    m_details->setObjectName(QStringLiteral("lblDetalle"));
    m_details->setWordWrap(true);
    auto* note = new QLabel(tr("%n hojas en el catálogo; no se muestran %1 que estos programas no "
                               "pueden imprimir (etiquetas redondas, ovaladas o de CD, o en "
                               "varias rejillas).",
                               nullptr, int(m_catalogue.stocks.size()))
                                .arg(m_catalogue.skipped()),
                            this);
    note->setObjectName(QStringLiteral("lblCatalogo"));
    note->setWordWrap(true);
    buildTypedForm();
    layOut(note);

    connect(m_search, &QLineEdit::textChanged, this, &StockWindow::search);
    connect(m_list, &QListWidget::currentRowChanged, this, &StockWindow::showCurrent);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &StockWindow::useCurrent);
    search(current ? current->name : QString());
}

QPushButton* StockWindow::button(const char* name, const QString& text,
                                 void (StockWindow::*command)(), QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    connect(b, &QPushButton::clicked, this, command);
    return b;
}

QBoxLayout* StockWindow::buttonRow() {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("cmdUsar", tr("Usar esta hoja"), &StockWindow::useCurrent, this));
    buttons->addWidget(button("cmdOtra", tr("Otra hoja…"), &StockWindow::openTypedForm, this));
    buttons->addStretch();
    auto* close = new QPushButton(tr("Cerrar"), this);
    close->setObjectName(QStringLiteral("cmdCerrar"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    return buttons;
}

// "Otra hoja…": a sheet typed from its box.
void StockWindow::buildTypedForm() {
    m_form->setObjectName(QStringLiteral("fraOtraHoja"));
    auto* form = new QFormLayout(m_form);
    m_name->setObjectName(QStringLiteral("txtNombre"));
    form->addRow(tr("Nombre"), m_name);
    m_paper->setObjectName(QStringLiteral("cmbPapel"));
    m_paper->addItem(tr("A4"), kA4);
    m_paper->addItem(tr("Carta"), kLetter);
    form->addRow(tr("Papel"), m_paper);
    const QString mm = tr(" (mm)");
    for (const auto& [name, caption] :
         {std::pair{"txtColumnas", tr("Columnas")},
          {"txtFilas", tr("Filas")},
          {"txtAncho", tr("Ancho de la etiqueta") + mm},
          {"txtAlto", tr("Alto de la etiqueta") + mm},
          {"txtIzquierda", tr("Margen izquierdo, hasta la primera etiqueta") + mm},
          {"txtArriba", tr("Margen superior, hasta la primera etiqueta") + mm},
          {"txtPasoAncho", tr("De una etiqueta a la siguiente, a lo ancho") + mm},
          {"txtPasoAlto", tr("De una fila a la siguiente, a lo alto") + mm}}) {
        auto* field = new QLineEdit(m_form);
        field->setObjectName(QLatin1String(name));
        field->setAccessibleName(caption);
        form->addRow(caption, field);
        m_measures.push_back({field, caption});
    }
    form->addRow(button("cmdGuardarHoja", tr("Guardar y usar"), &StockWindow::keepTyped, m_form));
    m_form->hide();
}

void StockWindow::layOut(QLabel* note) {
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
    layout->addLayout(buttonRow());
    layout->addWidget(m_form);
    resize(820, 560);
}

void StockWindow::search(const QString& text) {
    if (m_search->text() != text) m_search->setText(text);  // comes back here
    m_listed = catalogue::search(m_catalogue, m_typed, text);
    m_list->clear();
    m_list->addItem(m_ownName);
    for (const catalogue::Found& found : m_listed) {
        const Stock& stock = *found.stock;
        m_list->addItem(tr("%1%2 — %3 × %4 mm, %5 por hoja, %6")
                            .arg(stock.name, found.typed ? tr(" (suya)") : QString(),
                                 formatDecimal(stock.labelWidthMm),
                                 formatDecimal(stock.labelHeightMm))
                            .arg(stock.grid().places())
                            .arg(stock.paperName()));
    }
    m_list->setCurrentRow(m_listed.empty() || text.trimmed().isEmpty() ? 0 : 1);
}

std::optional<Stock> StockWindow::current() const {
    const int row = m_list->currentRow();
    if (row < 1 || row > int(m_listed.size())) return std::nullopt;
    return *m_listed[size_t(row - 1)].stock;
}

void StockWindow::showCurrent() {
    const std::optional<Stock> stock = current();
    m_picture->show(stock, m_own);
    if (!stock) return m_details->setText(m_ownName);
    m_details->setText(
        stock->description.isEmpty()
            ? tr("%1: %2").arg(stock->name, stock->summary())
            : tr("%1: %2. %3").arg(stock->name, stock->summary(), stock->description));
}

void StockWindow::useCurrent() {
    emit stockChosen(current());
    close();
}

void StockWindow::openTypedForm() {
    const std::optional<Stock> from = current();
    m_name->setText(from ? tr("%1 (mía)").arg(from->name) : QString());
    const bool letter = from && isPaper(*from, kLetter);
    m_paper->setCurrentIndex(letter ? 1 : 0);
    if (from) {
        const double values[] = {double(from->columns), double(from->rows), from->labelWidthMm,
                                 from->labelHeightMm,   from->leftMm,       from->topMm,
                                 from->pitchXMm,        from->pitchYMm};
        for (size_t i = 0; i < m_measures.size(); ++i)
            m_measures[i].field->setText(formatMeasure(values[i]));
    } else {
        for (const Measure& measure : m_measures) measure.field->clear();
    }
    m_form->show();
    m_name->setFocus();
}

std::optional<std::vector<double>> StockWindow::typedValues() {
    std::vector<double> values;
    for (const Measure& measure : m_measures) {
        const auto value = parseNumber(measure.field->text());
        if (!value) {
            m_dialogs.message(
                this, messages::title(),
                tr("«%1» no es un número: %2.").arg(measure.field->text(), measure.caption));
            measure.field->setFocus();
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return values;
}

void StockWindow::keepTyped() {
    const std::optional<std::vector<double>> values = typedValues();
    if (!values) return;
    const std::vector<double>& v = *values;
    if (v[0] != std::floor(v[0]) || v[1] != std::floor(v[1])) {
        m_dialogs.message(this, messages::title(),
                          tr("Las columnas y las filas se cuentan con números enteros."));
        return;
    }
    const QSizeF paper = m_paper->currentData().toSizeF();
    const Stock typed{.name = m_name->text().trimmed(),
                      .paperWidthMm = paper.width(),
                      .paperHeightMm = paper.height(),
                      .labelWidthMm = v[2],
                      .labelHeightMm = v[3],
                      .columns = toCount(v[0]),
                      .rows = toCount(v[1]),
                      .leftMm = v[4],
                      .topMm = v[5],
                      .pitchXMm = v[6],
                      .pitchYMm = v[7]};
    if (const QString problem = stockchoice::keepTyped(typed, m_catalogue); !problem.isEmpty()) {
        m_dialogs.message(this, messages::title(), problem);
        return;
    }
    m_typed = stockchoice::typed();
    m_form->hide();
    search(typed.name);
    emit stockChosen(typed);
    close();
}
