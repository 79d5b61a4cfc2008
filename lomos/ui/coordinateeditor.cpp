#include "lomos/ui/coordinateeditor.h"

#include <QCloseEvent>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "common/core/drivec.h"
#include "common/core/messages.h"
#include "common/ui/dialogs.h"
#include "common/ui/twips.h"

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
    {"cmdFila0", "Cambio vertical Fila 0"},
    {"cmdCh1", "Cambio vertical Fila 1"},
    {"cmdch2", "Cambio vertical Fila 2"},
    {"cmdch3", "Cambio vertical Fila 3"},
    {"cmdch4", "Cambio vertical Fila 4"},
    {"cmdch5", "Cambio vertical Fila 5"},
    {"cmdch6", "Cambio vertical fila 6"},
    {"cmdch7", "Cambio vertical Fila 7"},
    {"cmdch8", "Cambio vertical Fila 8"},
    {"cmdch9", "Cambio verticall Fila 9"},
    {"cmdch10", "Cambio vertical Fila 10"},
}};

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        double points) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(uiFont(kFace, points, true));
    return button;
}

}  // namespace

CoordinateEditor::CoordinateEditor(Dialogs& dialogs, QWidget* mainWindow)
    : QMainWindow(nullptr), m_dialogs(dialogs), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("frmConfigura"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());

    QMenu* menu = menuBar()->addMenu(QStringLiteral("Menú"));
    menu->setObjectName(QStringLiteral("mnuMenú"));
    QAction* regresar = menu->addAction(QStringLiteral("Regresar"));
    regresar->setObjectName(QStringLiteral("mnuRegresar"));
    regresar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(regresar, &QAction::triggered, this, &CoordinateEditor::goBack);

    auto* client = new QWidget(this);
    setCentralWidget(client);
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
            m_x[p] = x;
            m_y[p] = y;
        }
    }

    for (int row = 0; row < kSpineSheet.rows; ++row) {
        auto* caption = new QLabel(QStringLiteral("Fila %1").arg(row), client);
        caption->setObjectName(QStringLiteral("lblFila%1").arg(row));
        caption->setFont(uiFont(kFace, 12, true));
        const int width = row < 10 ? 525 : 645;
        twips::place(caption, kXLeft[0] - 60 - width, rowTop(row), width, 300);

        const RowButton& rb = kRowButtons[row];
        auto* button =
            makeButton(client, QString::fromLatin1(rb.name), QString::fromLatin1(rb.caption), 9);
        twips::place(button, 5520, rowTop(row), 1815, 495);
        connect(button, &QPushButton::clicked, this, [this, row] { changeRow(row); });
    }

    for (int column = 0; column < kSpineSheet.columns; ++column) {
        auto* button = makeButton(client, QStringLiteral("cmdCambioColumna%1").arg(column),
                                  QStringLiteral("Cambio columna %1").arg(column), 9);
        twips::place(button, kXLeft[column], 7200, 1215, 495);
        fitText(button, button->text(), 9);
        connect(button, &QPushButton::clicked, this, [this, column] { changeColumn(column); });
    }

    auto* guardar =
        makeButton(client, QStringLiteral("cmdGuardar"), QStringLiteral("Guardar"), 15.75);
    twips::place(guardar, 5520, 7200, 1815, 735);
    connect(guardar, &QPushButton::clicked, this, &CoordinateEditor::saveAndGoBack);

    auto* volver =
        makeButton(client, QStringLiteral("cmdRegresar"), QStringLiteral("Regresar"), 15.75);
    twips::place(volver, 5520, 8040, 1815, 735);
    connect(volver, &QPushButton::clicked, this, &CoordinateEditor::goBack);

    auto* reset = makeButton(client, QStringLiteral("cmdRestablecer"),
                             QStringLiteral("Inicializar Coordenadas"), 12);
    twips::place(reset, 1080, 8040, 4215, 735);
    connect(reset, &QPushButton::clicked, this, &CoordinateEditor::resetToDefaults);

    auto* prueba =
        makeButton(client, QStringLiteral("cmdHojaPrueba"), QStringLiteral("Hoja de prueba"), 12);
    twips::place(prueba, 1080, 8880, 2055, 735);
    connect(prueba, &QPushButton::clicked, this, &CoordinateEditor::printTestSheet);

    auto* corregir = makeButton(client, QStringLiteral("cmdCorregir"),
                                QStringLiteral("Corregir impresora…"), 12);
    twips::place(corregir, 3240, 8880, 2055, 735);
    fitText(corregir, corregir->text(), 12);
    connect(corregir, &QPushButton::clicked, this, &CoordinateEditor::printerCorrectionRequested);

    load();
}

void CoordinateEditor::load() {
    m_saved = readCoordinateFile(drivec::coordinateFile());
    setTable(m_saved);
}

CoordinateTable CoordinateEditor::table() const {
    CoordinateTable table;
    for (int p = 0; p < kSpineSheet.places(); ++p) {
        table.x[p] = m_x[p]->text();
        table.y[p] = m_y[p]->text();
    }
    return table;
}

void CoordinateEditor::setTable(const CoordinateTable& table) {
    for (int p = 0; p < kSpineSheet.places(); ++p) {
        m_x[p]->setText(table.x[p]);
        m_y[p]->setText(table.y[p]);
    }
}

void CoordinateEditor::changeRow(int row) {
    const QString value = m_dialogs.input(
        this, QString(),
        QStringLiteral("Teclea el nuevo valor para las etiquetas de la fila %1").arg(row),
        QString());
    if (value.isEmpty()) return;
    for (int column = 0; column < kSpineSheet.columns; ++column) {
        m_y[kSpineSheet.placeAt(row, column)]->setText(value);
    }
}

void CoordinateEditor::changeColumn(int column) {
    const QString value = m_dialogs.input(
        this, QString(),
        QStringLiteral("Teclea el nuevo valor horizontal para las etiquetas de la columna %1")
            .arg(column),
        QString());
    if (value.isEmpty()) return;
    for (int row = 0; row < kSpineSheet.rows; ++row) {
        m_x[kSpineSheet.placeAt(row, column)]->setText(value);
    }
}

void CoordinateEditor::resetToDefaults() { setTable(defaultCoordinateTable()); }

bool CoordinateEditor::save() {
    const QString path = drivec::coordinateFile();
    const CoordinateTable onScreen = table();
    const textfile::WriteResult written = writeCoordinateFile(path, onScreen);
    if (!written.ok) {
        // Nothing typed is lost: the editor stays open as it was.
        m_dialogs.message(this, messages::kTitle,
                          QStringLiteral("No se pudo guardar el archivo de coordenadas:\n") +
                              QDir::toNativeSeparators(path));
        return false;
    }
    if (written.savedTo != path) {
        m_dialogs.message(
            this, messages::kTitle,
            messages::savedForThisUser(QStringLiteral("Las coordenadas"), path, written.savedTo));
    }
    m_saved = onScreen;
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
        m_dialogs.choose(this, QStringLiteral("Estimado Usuario:"),
                         QStringLiteral("¿Guardar los cambios en las coordenadas?"),
                         {QStringLiteral("Sí"), QStringLiteral("No"), QStringLiteral("Cancelar")});
    if (answer == 2 || (answer == 0 && !save())) event->ignore();
}

void CoordinateEditor::backToMainWindow() {
    if (!close()) return;
    if (m_mainWindow) {
        bringToFront(m_mainWindow);
    }
}

}  // namespace lomos
