#include "common/ui/mainwindowbase.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>

#include "common/core/drivec.h"
#include "common/core/messages.h"
#include "common/core/settingsfile.h"
#include "common/core/stockchoice.h"
#include "common/paint/paintersurface.h"
#include "common/ui/dialogs.h"
#include "common/ui/overridecursor.h"
#include "common/ui/printflows.h"
#include "common/ui/twips.h"

MainWindowBase::MainWindowBase(Dialogs& dialogs, const LabelProgram& program, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_program(program) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QString());
    m_printerFactory = [](std::unique_ptr<QPrinter> printer) {
        return std::make_shared<PrinterSurface>(std::move(printer));
    };
    m_exit = [] { QApplication::exit(0); };

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);

    const QFont fieldFont = uiFont(QStringLiteral("Arial"), 9, true);
    m_clientDirectory = new QLineEdit(m_client);
    m_clientDirectory->setObjectName(QStringLiteral("txtDir"));
    m_clientDirectory->setFont(fieldFont);
    m_administrativeBase = new QLineEdit(m_client);
    m_administrativeBase->setObjectName(QStringLiteral("txtBase"));
    m_administrativeBase->setFont(fieldFont);
    setTabOrder(m_clientDirectory, m_administrativeBase);

    m_status = new QLabel(messages::kNoLabels, m_client);
    m_status->setObjectName(QStringLiteral("lblEspere"));
    m_status->setFont(uiFont(QStringLiteral("Arial Narrow"), program.window.statusPoints, true));
    m_status->setAlignment(Qt::AlignCenter);

    m_settings.stock = stockchoice::chosen(program.name);
    m_firstSheet = new FirstSheetPanel(program.name, m_client);
    m_firstSheet->setSheet(program.shapeOf(m_settings), stockName());

    m_review = new ReviewFlow(
        dialogs, this,
        [this](const jobselection::Selection* selection, const FirstSheet& first) {
            return m_labels->job(selection, m_settings)->check(first)(checkSurface()).findings;
        },
        [this] { return m_firstSheet->map()->sheet(); });
    connect(m_firstSheet, &FirstSheetPanel::changed, m_review, &ReviewFlow::firstSheetChanged);
    connect(m_review, &ReviewFlow::jobChanged, this,
            [this] { showStatus(m_review->caption(m_generatedStatus)); });
    connect(m_review, &ReviewFlow::printChosen, this,
            [this](const jobselection::Selection& selection) { printJob(selection); });

    m_destination = new QLabel(m_client);
    m_destination->setObjectName(QStringLiteral("lblImpresora"));
    m_destination->setFont(uiFont(QStringLiteral("Arial Narrow"), 9.75, false));
    showDestination();

    const Settings settings = loadSettings(drivec::settingsFile());
    m_clientDirectory->setText(settings.clientDirectory);
    m_administrativeBase->setText(settings.administrativeBase);
}

// The other windows have no parent: they are windows of their own.
MainWindowBase::~MainWindowBase() {
    delete m_preview;
    delete m_correction;
    delete m_stockWindow;
}

void MainWindowBase::buildMenu(const std::vector<MenuItem>& items) {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Menú"));
    menu->setObjectName(QStringLiteral("mnuMenu"));
    auto add = [&](const MenuItem& item) {
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(item.name);
        action->setShortcut(item.shortcut);
        connect(action, &QAction::triggered, this, item.command);
    };
    for (const MenuItem& item : items) add(item);
    add({QStringLiteral("Salir"), QStringLiteral("mnuSalir"), QKeySequence(Qt::CTRL | Qt::Key_S),
         [this] { quit(); }});
}

void MainWindowBase::showStatus(const QString& status) {
    m_status->setText(status);
    fitText(m_status, status, m_program.window.statusPoints, 0);
}

void MainWindowBase::generate() {
    if (!m_review->letGo()) return;
    const OverrideCursor wait;
    m_review->start(nullptr);
    m_labels.reset();
    const generation::Report report =
        generation::run({m_clientDirectory->text(), m_administrativeBase->text()},
                        generation::SaveSettings::Yes, [this](const QString& printFile) {
                            m_labels = m_program.generate(printFile);
                            return m_labels->summary();
                        });
    m_review->start(m_labels.get());
    m_generatedStatus = report.status;
    emit labelsPresent(m_labels != nullptr);
    showStatus(report.status);
    // Said once a run: the values on screen serve until the program ends.
    if (!report.unsaved.isEmpty() && !m_toldUnsaved) {
        m_toldUnsaved = true;
        m_dialogs.message(this, messages::kTitle, report.unsaved);
    }
    for (const QString& notice : report.notices) m_dialogs.message(this, messages::kTitle, notice);
}

void MainWindowBase::openReview() { m_review->open(); }

void MainWindowBase::openPrinterCorrection() {
    if (!m_correction) {
        const SheetShape sheet = m_program.shapeOf(m_settings);
        m_correction = new CorrectionDialog(
            m_dialogs,
            [this] {
                return CorrectionDialog::Crosses{m_program.crosses(m_settings),
                                                 m_settings.stock ? correction::Origin::Paper
                                                                  : correction::Origin::Area};
            },
            {1, sheet.columns, sheet.places() - sheet.columns + 1, sheet.places()});
        connect(m_correction, &CorrectionDialog::correctionChanged, this,
                &MainWindowBase::showDestination);
    }
    bringToFront(m_correction);
}

void MainWindowBase::showDestination() {
    const QString text = labelprinter::describe() +
                         (m_settings.stock ? QStringLiteral(" · Hoja: ") + stockName() : QString());
    m_destination->setText(text);
    fitText(m_destination, text, 9.75, 0);
}

QString MainWindowBase::stockName() const {
    return m_settings.stock ? m_settings.stock->name : QString();
}

void MainWindowBase::chooseStock() {
    if (!m_stockWindow) {
        m_stockWindow = new StockWindow(m_dialogs, m_program.ownSheetName, m_program.sheet,
                                        m_settings.stock);
        connect(m_stockWindow, &StockWindow::stockChosen, this, &MainWindowBase::useStock);
    }
    bringToFront(m_stockWindow);
}

bool MainWindowBase::useStock(const std::optional<Stock>& stock) {
    // The other windows show the sheet that was: they go first, and the
    // coordinate editor may ask before its changes go.
    if (!closeOtherWindows()) return false;
    delete m_correction;
    m_settings.stock = stock;
    stockchoice::choose(m_program.name, stock);
    m_firstSheet->setSheet(m_program.shapeOf(m_settings), stockName());
    m_checkSurface.reset();
    showDestination();
    return true;
}

void MainWindowBase::chooseLabelPrinter() {
    if (!labelprinter::askAndChoose(m_dialogs, this)) return;
    m_checkSurface.reset();
    showDestination();
}

DrawingSurface& MainWindowBase::checkSurface() {
    if (!m_checkSurface) m_checkSurface = m_printerFactory(labelprinter::open().printer);
    return *m_checkSurface;
}

labelprinter::JobPrinter MainWindowBase::jobPrinter() {
    labelprinter::JobPrinter printer =
        labelprinter::forJob(m_dialogs, this, m_program.window.printerDialog, m_printerFactory,
                             m_settings.stock);
    showDestination();
    return printer;
}

void MainWindowBase::print() {
    if (m_labels) printJob(m_review->job());
}

void MainWindowBase::printJob(const std::optional<jobselection::Selection>& selection) {
    const std::optional<FirstSheet> first = m_firstSheet->firstSheet(m_dialogs, this);
    if (!first) return;
    const std::unique_ptr<LabelJob> labels =
        m_labels->job(selection ? &*selection : nullptr, m_settings);
    const labelprinter::JobPrinter printer = jobPrinter();
    if (!printer.surface || !confirmLabels(m_dialogs, this, labels->check(*first), *printer.surface,
                                           [&](const auto& findings) {
                                               m_review->showFindings(findings, selection);
                                           })) {
        return;
    }
    const PrintOutcome outcome =
        printAndTell(m_dialogs, this, labels->printWalk(), *printer.surface, *first);
    if (outcome.printed) m_firstSheet->printed(outcome.lastSheet);
}

void MainWindowBase::printTestSheet() { printTestSheet(m_program.crosses(m_settings)); }

void MainWindowBase::printTestSheet(const std::vector<testsheet::Position>& crosses) {
    const labelprinter::JobPrinter printer = jobPrinter();
    if (!printer.surface) return;
    // What is measured on this sheet is what its correction left.
    if (printAndTell(m_dialogs, this, testsheet::walk(crosses), *printer.surface,
                     FirstSheet(m_program.shapeOf(m_settings).places()))
            .printed) {
        labelprinter::keepSheetCorrection(printer.name, printer.correction);
    }
}

void MainWindowBase::preview() {
    if (!m_labels) return;
    const std::optional<FirstSheet> first = m_firstSheet->firstSheet(m_dialogs, this);
    if (!first) return;
    const OverrideCursor wait;
    const std::optional<jobselection::Selection> selection = m_review->job();
    const std::unique_ptr<LabelJob> labels =
        m_labels->job(selection ? &*selection : nullptr, m_settings);
    // Checked as it will print: on the label printer, at the printed places.
    if (!confirmLabels(
            m_dialogs, this, labels->check(*first), checkSurface(),
            [&](const auto& findings) { m_review->showFindings(findings, selection); })) {
        return;
    }
    if (!m_preview) m_preview = new PreviewWindow(this);
    bringToFront(m_preview);
    previewSheets(labels->previewWalk(), m_preview->picture()->surface(), *first, [this] {
        return m_dialogs.question(m_preview, m_program.window.continueTitle,
                                  m_program.window.continueText);
    });
}

void MainWindowBase::clear() {
    if (!m_review->letGo()) return;
    m_review->start(nullptr);
    m_labels.reset();
    emit labelsPresent(false);
    m_administrativeBase->clear();
    m_clientDirectory->clear();
    showStatus(messages::kNoLabels);
}

bool MainWindowBase::closeOtherWindows() {
    if (m_preview) m_preview->close();
    if (m_stockWindow) m_stockWindow->close();
    if (reviewWindow()) reviewWindow()->close();
    if (m_correction) m_correction->close();
    return true;
}

// Changes to the review are this job's work: asked about as "Generar" asks.
void MainWindowBase::quit() {
    if (m_review->letGo() && closeOtherWindows()) m_exit();
}
