#include "lomos/ui/mainwindow.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolBar>

#include "common/ui/frame/twips.h"
#include "lomos/program.h"
#include "lomos/ui/artwork.h"
#include "lomos/ui/coordinateeditor.h"
#include "lomos/ui/fontsizewindow.h"

namespace lomos {

MainWindow::MainWindow(const Seams& seams, QWidget* parent)
    : MainWindowBase(seams, program(), parent) {
    // The toolbar's commands, then the program's own; Ctrl+S stays "Salir".
    buildMenu({
        {tr("&Generar"), QStringLiteral("mnuGenerar"), {}, [this] { generate(); }},
        {tr("&Vista Previa"), QStringLiteral("mnuVistaPrevia"), {}, [this] { preview(); }, true},
        {tr("&Revisar"), QStringLiteral("mnuRevisar"), {}, [this] { openReview(); }, true},
        {tr("&Imprimir"), QStringLiteral("mnuImprimir"), QKeySequence(Qt::CTRL | Qt::Key_P),
         [this] { print(); }, true},
        {tr("&Configurar"), QStringLiteral("mnuConfigurar"), {}, [this] { openCoordinateEditor(); }},
        {tr("&Limpiar"), QStringLiteral("mnuLimpiar"), {}, [this] { clear(); }},
        {},
        {tr("&Tamaño de Fuente"), QStringLiteral("mnuTamao_fuente"),
         QKeySequence(Qt::CTRL | Qt::Key_T), [this] { openFontSizeWindow(); }},
        {tr("&Hoja de etiquetas…"), QStringLiteral("mnuHoja"), {}, [this] { chooseStock(); }},
        {tr("&Diseño de la etiqueta…"), QStringLiteral("mnuDiseno"), {}, [this] { chooseDesign(); }},
        {tr("Impresora de &etiquetas…"), QStringLiteral("mnuImpresora"), {},
         [this] { chooseLabelPrinter(); }},
        // The coordinate file's positions.
        {tr("Hoja de &prueba"), QStringLiteral("mnuHojaPrueba"), {}, [this] { printTestSheet(); }},
        {tr("C&orregir impresora…"), QStringLiteral("mnuCorregir"), {},
         [this] { openPrinterCorrection(); }},
    });
    layOut();
    // A design's size is the one printed from then on.
    connect(this, &MainWindowBase::designChanged, this, &MainWindow::showFontSize);
    showFontSize();
}

void MainWindow::showFontSize() {
    m_fontSizeNote->setText(tr("Se va a imprimir con tamaño %1").arg(workbench().settings().fontSize));
}

void MainWindow::buildToolbar(QToolBar* toolbar) {
    using artwork::ToolIcon;
    // Each with the letter of its Alt-key marked, as its button shows it.
    struct Button {
        const char* caption;
        const char* withKey;
        ToolIcon icon;
        bool needsLabels;
    };
    static const Button buttons[] = {
        {QT_TRANSLATE_NOOP("lomos::MainWindow", "Generar"),
         QT_TRANSLATE_NOOP("lomos::MainWindow", "&Generar"), ToolIcon::Generate, false},
        {QT_TRANSLATE_NOOP("lomos::MainWindow", "Vista Previa"),
         QT_TRANSLATE_NOOP("lomos::MainWindow", "&Vista Previa"), ToolIcon::Preview, true},
        {QT_TRANSLATE_NOOP("lomos::MainWindow", "Revisar"),
         QT_TRANSLATE_NOOP("lomos::MainWindow", "&Revisar"), ToolIcon::Review, true},
        {QT_TRANSLATE_NOOP("lomos::MainWindow", "Imprimir"),
         QT_TRANSLATE_NOOP("lomos::MainWindow", "&Imprimir"), ToolIcon::Print, true},
        {QT_TRANSLATE_NOOP("lomos::MainWindow", "Configurar"),
         QT_TRANSLATE_NOOP("lomos::MainWindow", "&Configurar"), ToolIcon::Configure, false},
        {QT_TRANSLATE_NOOP("lomos::MainWindow", "Limpiar"),
         QT_TRANSLATE_NOOP("lomos::MainWindow", "&Limpiar"), ToolIcon::Clear, false},
        {QT_TRANSLATE_NOOP("lomos::MainWindow", "Salir"),
         QT_TRANSLATE_NOOP("lomos::MainWindow", "&Salir"), ToolIcon::Quit, false},
    };
    toolbar->setIconSize(QSize(32, 32));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar->setMovable(false);
    toolbar->setFont(uiFont(QStringLiteral("Arial"), 8, false));
    toolbar->setContentsMargins(0, 0, 0, 0);
    toolbar->layout()->setSpacing(0);
    // The buttons share the window's width, one width for all.
    const int buttonWidth = (twips::toPixels(toolbar, 7860) - 8) / int(std::size(buttons));
    int index = 1;
    for (const Button& b : buttons) {
        QAction* action = toolbar->addAction(artwork::toolIcon(b.icon), tr(b.caption));
        action->setIconText(tr(b.withKey));
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(index));
        connect(action, &QAction::triggered, this, [this, index] { runToolbarButton(index); });
        if (b.needsLabels) {
            action->setEnabled(false);  // until there are labels
            connect(this, &MainWindowBase::labelsPresent, action, &QAction::setEnabled);
        }
        // Each button is a stop of Tab, in the window's reading order.
        if (QWidget* button = toolbar->widgetForAction(action)) {
            button->setFixedWidth(buttonWidth);
            button->setFocusPolicy(Qt::TabFocus);
            button->setObjectName(QStringLiteral("cmdToolbar1_%1").arg(index));
        }
        ++index;
    }
}

void MainWindow::layOut() {
    QWidget* area = client();
    area->setFixedSize(twips::toPixels(area, 7860), twips::toPixels(area, 5145));

    auto* toolbar = new QToolBar(area);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    twips::place(toolbar, 0, 0, 7860, 870);
    buildToolbar(toolbar);

    auto* frame = new QGroupBox(area);
    frame->setObjectName(QStringLiteral("Frame1"));
    twips::place(frame, 360, 1080, 4935, 1215);
    frame->lower();  // under the fields it surrounds

    const QFont captionFont = uiFont(QStringLiteral("Arial"), 11.25, true);
    QPalette navy;
    navy.setColor(QPalette::WindowText, QColor(0, 0, 0x80));
    // The captions lie inside the frame; their places are given in the
    // window's coordinates.
    auto caption = [&](const char* name, const QString& text, int left, int top, int width) {
        auto* label = new QLabel(text, area);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(captionFont);
        label->setPalette(navy);
        twips::place(label, left, top, width, 270);
        return label;
    };
    QLabel* directoryCaption = caption("Label5", tr("Directorio cliente:"), 600, 1440, 1935);
    // 75 twips wider than designed, into the gap before the field: the colon
    // of Arial (or its twin) at 11.25 points ends a pixel past the design.
    QLabel* baseCaption = caption("Label6", tr("Base administrativa:"), 450, 1800, 2250);
    twips::place(clientDirectoryField(), 2760, 1440, 1935, 285);
    // A screen reader names each field after its caption.
    directoryCaption->setBuddy(clientDirectoryField());
    baseCaption->setBuddy(administrativeBaseField());
    twips::place(administrativeBaseField(), 2760, 1800, 1935, 285);

    auto* picture = new QLabel(area);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(artwork::shelfPicture());
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(tr("Dibujo: libros en un estante"));
    twips::place(picture, 2040, 2760, 1950, 690);

    QLabel* status = statusLabel();
    status->setAutoFillBackground(true);
    QPalette blackOnWhite = status->palette();
    blackOnWhite.setColor(QPalette::Window, Qt::white);
    blackOnWhite.setColor(QPalette::WindowText, Qt::black);
    status->setPalette(blackOnWhite);
    twips::place(status, 840, 4080, 4095, 495);

    m_fontSizeNote = new QLineEdit(area);
    m_fontSizeNote->setObjectName(QStringLiteral("txttamaño"));
    m_fontSizeNote->setFont(uiFont(QStringLiteral("Arial Narrow"), 9.75, false));
    m_fontSizeNote->setAlignment(Qt::AlignCenter);
    m_fontSizeNote->setReadOnly(true);  // a note: the size is chosen in "Tamaño de Fuente"
    m_fontSizeNote->setFocusPolicy(Qt::NoFocus);
    m_fontSizeNote->setAccessibleName(tr("Tamaño con el que se imprime"));
    twips::place(m_fontSizeNote, 3240, 4680, 2415, 315);

    // Beside the rest: where on the sheet in the tray printing starts.
    twips::place(firstSheetPanel(), 5880, 1080, 1800, 3900);

    // Tab in reading order: the toolbar, the fields, the first sheet.
    QWidget* previous = nullptr;
    for (const QString& name : {QStringLiteral("cmdToolbar1_1"), QStringLiteral("cmdToolbar1_2"),
                                QStringLiteral("cmdToolbar1_3"), QStringLiteral("cmdToolbar1_4"),
                                QStringLiteral("cmdToolbar1_5"), QStringLiteral("cmdToolbar1_6"),
                                QStringLiteral("cmdToolbar1_7"), QStringLiteral("txtDir"),
                                QStringLiteral("txtBase"), QStringLiteral("txtInicio"),
                                QStringLiteral("picHoja")}) {
        QWidget* next = findChild<QWidget*>(name);
        if (previous) setTabOrder(previous, next);
        previous = next;
    }
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
            openReview();
            break;
        case 4:
            print();
            break;
        case 5:
            openCoordinateEditor();
            break;
        case 6:
            clear();
            break;
        case 7:
            quit();
            break;
        default:
            break;
    }
}

void MainWindow::openCoordinateEditor() {
    m_editor.open([this] {
        auto* editor = new CoordinateEditor(dialogs(), this, workbench().settings().stock);
        connect(editor, &CoordinateEditor::testSheetRequested, this,
                [this](const CoordinateTable& table) {
                    printTestSheet(testPositions(table, workbench().grid()));
                });
        connect(editor, &CoordinateEditor::printerCorrectionRequested, this,
                &MainWindow::openPrinterCorrection);
        return editor;
    });
}

void MainWindow::openFontSizeWindow() {
    m_fontSizeWindow.open([this] {
        auto* dialog = new FontSizeWindow(workbench().settings().fontSize);
        connect(dialog, &FontSizeWindow::sizeChosen, this, &MainWindow::setFontSizeText);
        return dialog;
    });
}

void MainWindow::setFontSizeText(const QString& size) {
    m_fontSizeNote->setText(tr("Se va a imprimir con tamaño: %1").arg(size));
    workbench().setFontSize(size);
}

// Every window goes at once; only coordinates edited and not saved are
// asked about, and Cancelar there stays.
bool MainWindow::closeOtherWindows() {
    if (!m_editor.close()) return false;
    m_fontSizeWindow.close();
    return MainWindowBase::closeOtherWindows();
}

}  // namespace lomos
