#include "lomos/ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "common/core/drivec.h"
#include "common/core/generation.h"
#include "common/core/messages.h"
#include "common/core/settingsfile.h"
#include "common/core/sheetflow.h"
#include "common/core/testsheet.h"
#include "common/paint/paintersurface.h"
#include "common/ui/dialogs.h"
#include "common/ui/previewwindow.h"
#include "common/ui/twips.h"
#include "common/ui/waitcursor.h"
#include "lomos/core/spinecheck.h"
#include "lomos/core/spinegeneration.h"
#include "lomos/core/spinewalk.h"
#include "lomos/ui/artwork.h"
#include "lomos/ui/coordinateeditor.h"
#include "lomos/ui/fontsizedialog.h"

namespace lomos {

using messages::kNoLabels;
using messages::kTitle;

MainWindow::MainWindow(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QString());
    m_printerFactory = [] { return std::make_shared<PrinterSurface>(); };
    m_exit = [] { QApplication::exit(0); };
    buildMenu();
    buildClientArea();
    loadSettings();
}

MainWindow::~MainWindow() {
    // The other windows have no parent (they are windows of their own).
    delete m_preview;
    delete m_editor;
    delete m_fontSizeDialog;
}

void MainWindow::buildMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Menú"));
    menu->setObjectName(QStringLiteral("mnuMenu"));
    QAction* tamano = menu->addAction(QStringLiteral("Tamaño de Fuente"));
    tamano->setObjectName(QStringLiteral("mnuTamao_fuente"));
    tamano->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(tamano, &QAction::triggered, this, &MainWindow::openFontSizeDialog);
    QAction* prueba = menu->addAction(QStringLiteral("Hoja de prueba"));
    prueba->setObjectName(QStringLiteral("mnuHojaPrueba"));
    connect(prueba, &QAction::triggered, this, &MainWindow::printTestSheet);
    QAction* salir = menu->addAction(QStringLiteral("Salir"));
    salir->setObjectName(QStringLiteral("mnuSalir"));
    salir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(salir, &QAction::triggered, this, &MainWindow::quit);
}

void MainWindow::buildToolbar() {
    using artwork::ToolIcon;
    struct Button {
        const char* caption;
        ToolIcon icon;
    };
    static const Button buttons[] = {
        {"Generar", ToolIcon::Generate}, {"Vista Previa", ToolIcon::Preview},
        {"Imprimir", ToolIcon::Print},   {"Configurar", ToolIcon::Configure},
        {"Limpiar", ToolIcon::Clear},    {"Salir", ToolIcon::Quit},
    };
    m_toolbar->setIconSize(QSize(32, 32));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setMovable(false);
    m_toolbar->setFont(uiFont(QStringLiteral("Arial"), 8, false));
    m_toolbar->setContentsMargins(0, 0, 0, 0);
    m_toolbar->layout()->setSpacing(0);
    // Six buttons of one width share the window's width, as on the sheet of
    // the toolbar's design.
    const int buttonWidth = (twips::toPixels(m_toolbar, 5700) - 8) / 6;
    int index = 1;
    for (const Button& b : buttons) {
        QAction* action =
            m_toolbar->addAction(artwork::toolIcon(b.icon), QString::fromUtf8(b.caption));
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(index));
        connect(action, &QAction::triggered, this, [this, index] { runToolbarButton(index); });
        if (QWidget* button = m_toolbar->widgetForAction(action))
            button->setFixedWidth(buttonWidth);
        ++index;
    }
}

void MainWindow::buildClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->setFixedSize(twips::toPixels(client, 7860), twips::toPixels(client, 5145));

    m_toolbar = new QToolBar(client);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    twips::place(m_toolbar, 0, 0, 5700, 870);
    buildToolbar();

    auto* frame = new QGroupBox(client);
    frame->setObjectName(QStringLiteral("Frame1"));
    twips::place(frame, 360, 1080, 4935, 1215);

    const QFont captionFont = uiFont(QStringLiteral("Arial"), 11.25, true);
    QPalette navy;
    navy.setColor(QPalette::WindowText, QColor(0, 0, 0x80));
    // The captions lie inside the frame; their places are given in the
    // window's coordinates.
    auto caption = [&](const char* name, const char* text, int left, int top, int width) {
        auto* label = new QLabel(QString::fromUtf8(text), client);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(captionFont);
        label->setPalette(navy);
        twips::place(label, left, top, width, 270);
        return label;
    };
    caption("Label5", "Directorio cliente:", 600, 1440, 1935);
    caption("Label6", "Base administrativa:", 450, 1800, 2175);

    const QFont fieldFont = uiFont(QStringLiteral("Arial"), 9, true);
    auto field = [&](const char* name, int top) {
        auto* edit = new QLineEdit(client);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setFont(fieldFont);
        twips::place(edit, 2760, top, 1935, 285);
        return edit;
    };
    m_clientDirectory = field("txtDir", 1440);
    m_administrativeBase = field("txtBase", 1800);
    setTabOrder(m_clientDirectory, m_administrativeBase);

    auto* picture = new QLabel(client);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(artwork::shelfPicture());
    picture->setAlignment(Qt::AlignCenter);
    twips::place(picture, 2040, 2760, 1950, 690);

    m_status = new QLabel(kNoLabels, client);
    m_status->setObjectName(QStringLiteral("lblEspere"));
    m_status->setFont(uiFont(QStringLiteral("Arial Narrow"), 14.25, true));
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setAutoFillBackground(true);
    QPalette blackOnWhite = m_status->palette();
    blackOnWhite.setColor(QPalette::Window, Qt::white);
    blackOnWhite.setColor(QPalette::WindowText, Qt::black);
    m_status->setPalette(blackOnWhite);
    twips::place(m_status, 840, 4080, 4095, 495);

    m_fontSizeNote = new QLineEdit(QStringLiteral("Se va a imprimir con tamaño 8"), client);
    m_fontSizeNote->setObjectName(QStringLiteral("txttamaño"));
    m_fontSizeNote->setFont(uiFont(QStringLiteral("Arial Narrow"), 9.75, false));
    m_fontSizeNote->setAlignment(Qt::AlignCenter);
    m_fontSizeNote->setReadOnly(true);  // a note: the size is chosen in "Tamaño de Fuente"
    m_fontSizeNote->setFocusPolicy(Qt::NoFocus);
    twips::place(m_fontSizeNote, 3240, 4680, 2415, 315);

    // Beside the rest: where on the sheet in the tray printing starts.
    m_firstSheet = new FirstSheetPanel(QStringLiteral("lomos"), kLabelsPerSheet,
                                       CoordinateTable::kColumns, client);
    twips::place(m_firstSheet, 5880, 1080, 1800, 3900);
}

void MainWindow::loadSettings() {
    const Settings settings = ::loadSettings(drivec::settingsFile());
    m_clientDirectory->setText(settings.clientDirectory);
    m_administrativeBase->setText(settings.administrativeBase);
}

void MainWindow::runToolbarButton(int index) {
    switch (index) {
        case 1:
            generate();
            break;
        case 2:
            preview();
            break;
        case 3:
            print();
            break;
        case 4:
            openCoordinateEditor();
            break;
        case 5:
            clear();
            break;
        case 6:
            quit();
            break;
        default:
            break;
    }
}

void MainWindow::generate() {
    WaitCursor wait;
    m_callNumberLines.clear();
    const generation::Report report = generation::run(
        {m_clientDirectory->text(), m_administrativeBase->text()}, generation::SaveSettings::Yes,
        [this](const QString& printFile) {
            SpineGeneration generated = generateSpineLabels(printFile);
            m_callNumberLines = std::move(generated.callNumberLines);
            m_cutLabels = std::move(generated.cutLabels);
            return generation::Generated{generated.labelCount, generated.status, {}};
        });
    showStatus(report.status);
    for (const QString& notice : report.notices) m_dialogs.message(this, kTitle, notice);
}

void MainWindow::readCoordinates() { m_coordinates = readCoordinateFile(drivec::coordinateFile()); }

labelcheck::Check MainWindow::spineCheck(const QString& face, const FirstSheet& first) const {
    return [this, face, first](DrawingSurface& surface) {
        return checkSpineLabels(m_callNumberLines, m_cutLabels, m_coordinates, m_fontSizeText, face,
                                first, surface);
    };
}

void MainWindow::print() {
    if (m_callNumberLines.isEmpty()) return;
    const std::optional<FirstSheet> first = m_firstSheet->firstSheet(m_dialogs, this);
    if (!first) return;
    readCoordinates();
    const std::shared_ptr<DrawingSurface> printer = m_printerFactory();
    if (!confirmLabels(m_dialogs, this, spineCheck(kPrinterFace, *first), *printer)) return;
    const PrintOutcome outcome = printAndTell(
        m_dialogs, this, spineWalk(m_callNumberLines, m_coordinates, m_fontSizeText, kPrinterFace),
        *printer, *first);
    if (outcome.printed) m_firstSheet->printed(outcome.lastSheet);
}

void MainWindow::printTestSheet() {
    readCoordinates();
    printTestSheetOf(m_coordinates);
}

void MainWindow::printTestSheetOf(const CoordinateTable& table) {
    printAndTell(m_dialogs, this, testsheet::walk(testPositions(table)), *m_printerFactory(),
                 FirstSheet(kLabelsPerSheet));
}

void MainWindow::preview() {
    if (m_callNumberLines.isEmpty()) return;
    const std::optional<FirstSheet> first = m_firstSheet->firstSheet(m_dialogs, this);
    if (!first) return;
    WaitCursor wait;
    readCoordinates();
    // Checked as it will print: on the printer, in its face.
    if (!confirmLabels(m_dialogs, this, spineCheck(kPrinterFace, *first), *m_printerFactory()))
        return;
    if (!m_preview) m_preview = new PreviewWindow(this);
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
    previewSheets(spineWalk(m_callNumberLines, m_coordinates, m_fontSizeText, kPreviewFace),
                  m_preview->picture()->surface(), *first, [this] {
                      return m_dialogs.question(m_preview, QString(), QStringLiteral("Continuar"));
                  });
}

void MainWindow::openCoordinateEditor() {
    if (m_editor) {
        m_editor->show();
        m_editor->raise();
        m_editor->activateWindow();
        return;
    }
    m_editor = new CoordinateEditor(m_dialogs, this);
    connect(m_editor, &CoordinateEditor::testSheetRequested, this, &MainWindow::printTestSheetOf);
    m_editor->show();
}

void MainWindow::clear() {
    m_callNumberLines.clear();
    m_cutLabels.clear();
    m_administrativeBase->clear();
    m_clientDirectory->clear();
    showStatus(kNoLabels);
}

void MainWindow::showStatus(const QString& status) {
    m_status->setText(status);
    fitText(m_status, status, 14.25, 0);
}

void MainWindow::openFontSizeDialog() {
    if (!m_fontSizeDialog) {
        m_fontSizeDialog = new FontSizeDialog;
        connect(m_fontSizeDialog, &FontSizeDialog::sizeChosen, this, &MainWindow::setFontSizeText);
    }
    m_fontSizeDialog->show();
    m_fontSizeDialog->raise();
    m_fontSizeDialog->activateWindow();
}

void MainWindow::setFontSizeText(const QString& size) {
    m_fontSizeNote->setText(QStringLiteral("Se va a imprimir con tamaño: ") + size);
    m_fontSizeText = size;
}

void MainWindow::quit() {
    // Every window goes at once; only coordinates edited and not saved are
    // asked about, and Cancelar there stays.
    if (m_editor && !m_editor->close()) return;
    if (m_preview) m_preview->close();
    if (m_fontSizeDialog) m_fontSizeDialog->close();
    m_exit();
}

}  // namespace lomos
