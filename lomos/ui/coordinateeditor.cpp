#include "lomos/ui/coordinateeditor.h"

#include <QCloseEvent>
#include <QDir>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

#include "common/core/text/messages.h"
#include "common/core/text/number.h"
#include "common/paint/labelprinter.h"
#include "common/ui/boxes/dialogs.h"
#include "common/ui/frame/twips.h"

namespace lomos {

namespace {

constexpr int kFieldWidth = 615;
constexpr int kFieldHeight = 495;
constexpr std::array<int, 3> kXLeft = {1200, 2640, 4080};
constexpr std::array<int, 3> kYLeft = {1800, 3240, 4680};

int rowTop(int row) { return 480 + 600 * row; }

const QString kFace = QStringLiteral("Arial Narrow");

// The row buttons' names and captions, as the staff know them. Their
// oddities are deliberate: the uneven names (cmdFila0, cmdCh1, cmdch2...),
// the small "fila" of row 6 and the "verticall" of row 9 are what the staff
// guide, its pictures and the window tests show.
struct RowButton {
    const char* name;
    const char* caption;
};
constexpr std::array<RowButton, kSpineSheet.rows> kRowButtons = {{
    {"cmdFila0", QT_TRANSLATE_NOOP("lomos::CoordinateEditor", "Cambio vertical Fila 0")},
    {"cmdCh1", QT_TRANSLATE_NOOP("lomos::CoordinateEditor", "Cambio vertical Fila 1")},
    {"cmdch2", QT_TRANSLATE_NOOP("lomos::CoordinateEditor", "Cambio vertical Fila 2")},
    {"cmdch3", QT_TRANSLATE_NOOP("lomos::CoordinateEditor", "Cambio vertical Fila 3")},
    {"cmdch4", QT_TRANSLATE_NOOP("lomos::CoordinateEditor", "Cambio vertical Fila 4")},
    {"cmdch5", QT_TRANSLATE_NOOP("lomos::CoordinateEditor", "Cambio vertical Fila 5")},
    {"cmdch6", QT_TRANSLATE_NOOP("lomos::CoordinateEditor", "Cambio vertical fila 6")},
    {"cmdch7", QT_TRANSLATE_NOOP("lomos::CoordinateEditor", "Cambio vertical Fila 7")},
    {"cmdch8", QT_TRANSLATE_NOOP("lomos::CoordinateEditor", "Cambio vertical Fila 8")},
    {"cmdch9", QT_TRANSLATE_NOOP("lomos::CoordinateEditor", "Cambio verticall Fila 9")},
    {"cmdch10", QT_TRANSLATE_NOOP("lomos::CoordinateEditor", "Cambio vertical Fila 10")},
}};

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        double points) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(uiFont(kFace, points, true));
    return button;
}

}  // namespace

CoordinateEditor::CoordinateEditor(Dialogs& dialogs, QWidget* mainWindow,
                                   std::optional<Stock> stock)
    : QMainWindow(nullptr),
      m_dialogs(dialogs),
      m_mainWindow(mainWindow),
      m_stock(std::move(stock)),
      m_reach(labelprinter::labelPrinterReach(m_stock)),
      m_grid(m_stock ? m_stock->grid() : kSpineSheet),
      m_saved(m_grid.places()),
      m_y(size_t(m_grid.places())),
      m_x(size_t(m_grid.places())) {
    setObjectName(QStringLiteral("frmConfigura"));
    setWindowTitle(m_stock ? m_stock->name : QString());

    QMenu* menu = menuBar()->addMenu(tr("Menú"));
    menu->setObjectName(QStringLiteral("mnuMenú"));
    QAction* regresar = menu->addAction(tr("Regresar"));
    regresar->setObjectName(QStringLiteral("mnuRegresar"));
    regresar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(regresar, &QAction::triggered, this, &CoordinateEditor::goBack);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    if (m_stock) {
        layOutStock(client);
    } else {
        layOutOwnSheet(client);
    }
    load();
}

// The window as it was designed, in twips, for the 33 labels of the
// program's own sheet.
void CoordinateEditor::layOutOwnSheet(QWidget* client) {
    client->setFixedSize(twips::toPixels(client, 7680), twips::toPixels(client, 9975));
    // Fields first, row by row and left to right, so that Tab runs that way.
    const QFont fieldFont = uiFont(kFace, 12, true);
    for (int row = 0; row < kSpineSheet.rows; ++row) {
        for (int column = 0; column < kSpineSheet.columns; ++column) {
            const int p = kSpineSheet.placeAt(row, column);
            auto* x = new QLineEdit(client);
            x->setObjectName(QStringLiteral("txt%1x").arg(p));
            x->setFont(fieldFont);
            twips::place(x, kXLeft[column], rowTop(row), kFieldWidth, kFieldHeight);
            auto* y = new QLineEdit(client);
            y->setObjectName(QStringLiteral("txt%1").arg(p));
            y->setFont(fieldFont);
            twips::place(y, kYLeft[column], rowTop(row), kFieldWidth, kFieldHeight);
            m_x[size_t(p)] = x;
            m_y[size_t(p)] = y;
        }
    }

    for (int row = 0; row < kSpineSheet.rows; ++row) {
        auto* caption = new QLabel(tr("Fila %1").arg(row), client);
        caption->setObjectName(QStringLiteral("lblFila%1").arg(row));
        caption->setFont(uiFont(kFace, 12, true));
        const int width = row < 10 ? 525 : 645;
        twips::place(caption, kXLeft[0] - 60 - width, rowTop(row), width, 300);

        const RowButton& rb = kRowButtons[row];
        auto* button = makeButton(client, QString::fromLatin1(rb.name), tr(rb.caption), 9);
        twips::place(button, 5520, rowTop(row), 1815, 495);
        connect(button, &QPushButton::clicked, this, [this, row] { changeRow(row); });
    }

    for (int column = 0; column < kSpineSheet.columns; ++column) {
        auto* button = makeButton(client, QStringLiteral("cmdCambioColumna%1").arg(column),
                                  tr("Cambio columna %1").arg(column), 9);
        twips::place(button, kXLeft[column], 7200, 1215, 495);
        fitText(button, button->text(), 9);
        connect(button, &QPushButton::clicked, this, [this, column] { changeColumn(column); });
    }

    auto* guardar = makeButton(client, QStringLiteral("cmdGuardar"), tr("Guardar"), 15.75);
    twips::place(guardar, 5520, 7200, 1815, 735);
    connect(guardar, &QPushButton::clicked, this, &CoordinateEditor::saveAndGoBack);

    auto* volver = makeButton(client, QStringLiteral("cmdRegresar"), tr("Regresar"), 15.75);
    twips::place(volver, 5520, 8040, 1815, 735);
    connect(volver, &QPushButton::clicked, this, &CoordinateEditor::goBack);

    auto* reset =
        makeButton(client, QStringLiteral("cmdRestablecer"), tr("Inicializar Coordenadas"), 12);
    twips::place(reset, 1080, 8040, 4215, 735);
    connect(reset, &QPushButton::clicked, this, &CoordinateEditor::resetToDefaults);

    auto* prueba = makeButton(client, QStringLiteral("cmdHojaPrueba"), tr("Hoja de prueba"), 12);
    twips::place(prueba, 1080, 8880, 2055, 735);
    connect(prueba, &QPushButton::clicked, this, &CoordinateEditor::printTestSheet);

    auto* corregir =
        makeButton(client, QStringLiteral("cmdCorregir"), tr("Corregir impresora…"), 12);
    twips::place(corregir, 3240, 8880, 2055, 735);
    fitText(corregir, corregir->text(), 12);
    connect(corregir, &QPushButton::clicked, this, &CoordinateEditor::printerCorrectionRequested);
}

// A stock's rows and columns in a grid that scrolls, with the same commands.
void CoordinateEditor::layOutStock(QWidget* client) {
    auto* grid = new QWidget;
    auto* cells = new QGridLayout(grid);
    for (int column = 0; column < m_grid.columns; ++column) {
        auto* button = makeButton(grid, QStringLiteral("cmdCambioColumna%1").arg(column),
                                  tr("Cambio columna %1").arg(column), 9);
        connect(button, &QPushButton::clicked, this, [this, column] { changeColumn(column); });
        cells->addWidget(button, 0, 1 + 2 * column, 1, 2);
        cells->addWidget(new QLabel(tr("X"), grid), 1, 1 + 2 * column, Qt::AlignCenter);
        cells->addWidget(new QLabel(tr("Y"), grid), 1, 2 + 2 * column, Qt::AlignCenter);
    }
    for (int row = 0; row < m_grid.rows; ++row) {
        cells->addWidget(new QLabel(tr("Fila %1").arg(row), grid), row + 2, 0);
        for (int column = 0; column < m_grid.columns; ++column) {
            const int p = m_grid.placeAt(row, column);
            for (const bool isX : {true, false}) {
                auto* field = new QLineEdit(grid);
                field->setObjectName(QStringLiteral("txt%1%2").arg(p).arg(isX ? "x" : ""));
                field->setMaximumWidth(field->fontMetrics().horizontalAdvance(u'0') * 8);
                cells->addWidget(field, row + 2, (isX ? 1 : 2) + 2 * column);
                (isX ? m_x : m_y)[size_t(p)] = field;
            }
        }
        auto* button = makeButton(grid, QStringLiteral("cmdFila%1").arg(row),
                                  tr("Cambio vertical Fila %1").arg(row), 9);
        connect(button, &QPushButton::clicked, this, [this, row] { changeRow(row); });
        cells->addWidget(button, row + 2, 1 + 2 * m_grid.columns);
    }
    auto* scroll = new QScrollArea(client);
    scroll->setWidget(grid);

    m_inset = new QLineEdit(QString::number(kDefaultInsetMm), client);
    m_inset->setObjectName(QStringLiteral("txtMargen"));
    auto* inset = new QHBoxLayout;
    inset->addWidget(new QLabel(tr("Margen dentro de cada etiqueta (mm):"), client));
    inset->addWidget(m_inset);
    auto command = [&](const char* name, const QString& caption, auto slot) {
        auto* button = makeButton(client, QLatin1String(name), caption, 10);
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    inset->addWidget(command("cmdRestablecer", tr("Rellenar desde la hoja"),
                             &CoordinateEditor::resetToDefaults));
    inset->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(
        command("cmdHojaPrueba", tr("Hoja de prueba"), &CoordinateEditor::printTestSheet));
    buttons->addWidget(command("cmdCorregir", tr("Corregir impresora…"),
                               &CoordinateEditor::printerCorrectionRequested));
    buttons->addStretch();
    buttons->addWidget(command("cmdGuardar", tr("Guardar"), &CoordinateEditor::saveAndGoBack));
    buttons->addWidget(command("cmdRegresar", tr("Regresar"), &CoordinateEditor::goBack));
    auto* layout = new QVBoxLayout(client);
    layout->addWidget(new QLabel(tr("%1: %2. Posiciones en cm desde la esquina del papel.")
                                     .arg(m_stock->name, m_stock->summary()),
                                 client));
    if (m_reach) layout->addWidget(bandCaption(client));
    layout->addWidget(scroll, 1);
    layout->addLayout(inset);
    layout->addLayout(buttons);
    resize(std::min(grid->sizeHint().width() + 40, 1100), 640);
}

QLabel* CoordinateEditor::bandCaption(QWidget* client) const {
    const QLocale locale;
    auto mm = [&](double cm) { return locale.toString(std::max(0.0, cm * 10), 'f', 1); };
    auto* band = new QLabel(
        tr("La impresora de etiquetas no imprime a menos de %1 mm del borde izquierdo del "
           "papel, %2 mm del superior, %3 mm del derecho y %4 mm del inferior: las posiciones "
           "que caen ahí se ven en amarillo.")
            .arg(mm(m_reach->left()), mm(m_reach->top()),
                 mm(m_stock->paperWidthMm / 10 - m_reach->right()),
                 mm(m_stock->paperHeightMm / 10 - m_reach->bottom())),
        client);
    band->setObjectName(QStringLiteral("lblBanda"));
    band->setWordWrap(true);
    return band;
}

void CoordinateEditor::load() {
    m_saved = coordinatesOf(m_stock, m_reach);
    for (size_t p = 0; p < m_x.size(); ++p) {
        m_x[p]->setAccessibleName(tr("Etiqueta %1, X").arg(p + 1));
        m_x[p]->setProperty("isX", true);
        m_y[p]->setAccessibleName(tr("Etiqueta %1, Y").arg(p + 1));
        watch(m_x[p]);
        watch(m_y[p]);
    }
    setTable(m_saved);
    if (!coordinatesSaved(m_stock)) {
        m_hint = new QLabel(tr("No hay coordenadas guardadas: pulse «Inicializar Coordenadas» y "
                               "«Guardar»."),
                            centralWidget());
        m_hint->setObjectName(QStringLiteral("lblAviso"));
        m_hint->setFont(uiFont(kFace, 10, true));
        m_hint->setWordWrap(true);
        twips::place(m_hint, 120, 20, 7440, 440);
    }
}

CoordinateTable CoordinateEditor::table() const {
    CoordinateTable table(m_grid.places());
    for (size_t p = 0; p < m_x.size(); ++p) {
        table.x[p] = m_x[p]->text();
        table.y[p] = m_y[p]->text();
    }
    return table;
}

void CoordinateEditor::setTable(const CoordinateTable& table) {
    for (size_t p = 0; p < m_x.size() && p < size_t(table.positions()); ++p) {
        m_x[p]->setText(table.x[p]);
        m_y[p]->setText(table.y[p]);
    }
}

// The fields of X and Y tell at once what cannot be read; the first such is
// named when saving.
void CoordinateEditor::showWhetherNumber(QLineEdit* field) {
    const std::optional<double> value = parseNumber(field->text());
    const bool number = value.has_value();
    const bool outside = number && outsideReach(field, *value);
    const QString reason =
        outside ? tr("La impresora no imprime ahí: el texto que empiece en esta posición "
                     "saldrá cortado.")
        : number ? QString()
        : field->text().trimmed().isEmpty()
            ? tr("Está vacía: escriba los centímetros, con punto o coma (por ejemplo 2,8).")
            : tr("«%1» no es un número: escriba los centímetros, con punto o coma (por ejemplo "
                 "2,8).")
                  .arg(field->text());
    if (field->property("invalid").toBool() == !number && field->toolTip() == reason) return;
    field->setProperty("invalid", !number);
    field->setToolTip(reason);
    field->setAccessibleDescription(reason);
    // A sign as well as a colour, for whoever cannot tell the colour.
    field->findChild<QAction*>(QStringLiteral("notANumber"))->setVisible(!number);
    field->setStyleSheet(
        !number   ? QStringLiteral("QLineEdit { background: #ffd6d6; color: black; }")
        : outside ? QStringLiteral("QLineEdit { background: #fff0b3; color: black; }")
                  : QString());
}

bool CoordinateEditor::outsideReach(const QLineEdit* field, double cm) const {
    if (!m_reach) return false;
    const bool isX = field->property("isX").toBool();
    const double from = isX ? m_reach->left() : m_reach->top();
    const double to = isX ? m_reach->right() : m_reach->bottom();
    return cm < from - 0.005 || cm > to + 0.005;
}

void CoordinateEditor::watch(QLineEdit* field) {
    // One icon for every field: on Windows each one made is a system icon
    // converted anew.
    if (m_warningIcon.isNull()) m_warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    QAction* sign = field->addAction(m_warningIcon, QLineEdit::TrailingPosition);
    sign->setObjectName(QStringLiteral("notANumber"));
    sign->setVisible(false);
    connect(field, &QLineEdit::textChanged, this, [this, field] { showWhetherNumber(field); });
}

// The first field whose text is not a number, with what it is: none when all are.
std::optional<QString> CoordinateEditor::firstNotANumber(QLineEdit*& field) const {
    for (size_t p = 0; p < m_x.size(); ++p) {
        for (const bool isX : {true, false}) {
            QLineEdit* f = (isX ? m_x : m_y)[p];
            if (parseNumber(f->text())) continue;
            field = f;
            return (isX ? tr("la X de la etiqueta %1") : tr("la Y de la etiqueta %1")).arg(p + 1);
        }
    }
    return std::nullopt;
}

// A value for a whole row or column, or none after saying why it is not one.
std::optional<QString> CoordinateEditor::askNumber(const QString& prompt) {
    const QString value = m_dialogs.input(this, QString(), prompt, QString());
    if (value.isEmpty()) return std::nullopt;  // Cancel
    if (parseNumber(value)) return value;
    m_dialogs.message(this, messages::title(),
                      tr("«%1» no es un número: nada ha cambiado.").arg(value));
    return std::nullopt;
}

void CoordinateEditor::changeRow(int row) {
    const std::optional<QString> value =
        askNumber(tr("Teclea el nuevo valor para las etiquetas de la fila %1").arg(row));
    if (!value) return;
    for (int column = 0; column < m_grid.columns; ++column) {
        m_y[size_t(m_grid.placeAt(row, column))]->setText(*value);
    }
}

void CoordinateEditor::changeColumn(int column) {
    const std::optional<QString> value = askNumber(
        tr("Teclea el nuevo valor horizontal para las etiquetas de la columna %1").arg(column));
    if (!value) return;
    for (int row = 0; row < m_grid.rows; ++row) {
        m_x[size_t(m_grid.placeAt(row, column))]->setText(*value);
    }
}

void CoordinateEditor::resetToDefaults() {
    if (!m_stock) return setTable(defaultCoordinateTable());
    const std::optional<double> inset = parseNumber(m_inset->text());
    if (!inset || *inset < kMinInsetMm ||
        *inset * 2 >= std::min(m_stock->labelWidthMm, m_stock->labelHeightMm)) {
        m_dialogs.message(this, messages::title(),
                          tr("El margen dentro de cada etiqueta va de %1 mm a menos "
                             "de la mitad de la etiqueta: «%2» no vale.")
                              .arg(kMinInsetMm)
                              .arg(m_inset->text()));
        return;
    }
    setTable(stockCoordinateTable(*m_stock, *inset, m_reach));
}

bool CoordinateEditor::save() {
    QLineEdit* wrong = nullptr;
    if (const std::optional<QString> which = firstNotANumber(wrong)) {
        m_dialogs.message(this, messages::title(),
                          tr("No se han guardado las coordenadas: %1 no es un número («%2»).")
                              .arg(*which, wrong->text()));
        wrong->setFocus();
        wrong->selectAll();
        return false;
    }
    const QString path = coordinateFileOf(m_stock);
    const CoordinateTable onScreen = table();
    const textfile::WriteResult written = writeCoordinateFile(path, onScreen);
    if (!written.ok) {
        // Nothing typed is lost: the editor stays open as it was.
        m_dialogs.message(this, messages::title(),
                          tr("No se pudo guardar el archivo de coordenadas:\n%1")
                              .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    if (written.savedTo != path) {
        m_dialogs.message(this, messages::title(),
                          messages::savedForThisUser(tr("Las coordenadas"), path, written.savedTo));
    }
    m_saved = onScreen;
    if (m_hint) m_hint->hide();
    return true;
}

void CoordinateEditor::saveAndGoBack() {
    if (save()) backToMainWindow();
}

void CoordinateEditor::goBack() { backToMainWindow(); }

void CoordinateEditor::printTestSheet() { emit testSheetRequested(table()); }

void CoordinateEditor::closeEvent(QCloseEvent* event) {
    if (table() == m_saved) return;
    const int answer =
        m_dialogs.choose(this, messages::title(), tr("¿Guardar los cambios en las coordenadas?"),
                         {tr("Sí"), tr("No"), messages::cancel()});
    if (answer == 2 || (answer == 0 && !save())) event->ignore();
}

void CoordinateEditor::backToMainWindow() {
    if (!close()) return;
    if (m_mainWindow) {
        bringToFront(m_mainWindow);
    }
}

}  // namespace lomos
