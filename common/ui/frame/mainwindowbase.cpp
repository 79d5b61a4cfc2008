#include "common/ui/frame/mainwindowbase.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>

#include "common/core/files/drivec.h"
#include "common/core/text/messages.h"
#include "common/core/files/settingsfile.h"
#include "common/core/sheets/stockchoice.h"
#include "common/paint/paintersurface.h"
#include "common/ui/boxes/dialogs.h"
#include "common/ui/frame/overridecursor.h"
#include "common/ui/printing/printflows.h"
#include "common/ui/frame/twips.h"

MainWindowBase::MainWindowBase(Dialogs& dialogs, const LabelProgram& program, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_program(program) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QString());
    m_exit = [] { QApplication::exit(0); };

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);

    auto named = [](QWidget* widget, const char* name, const QFont& font) {
        widget->setObjectName(QLatin1String(name));
        widget->setFont(font);
        return widget;
    };
    const QFont fieldFont = uiFont(QStringLiteral("Arial"), 9, true);
    m_clientDirectory = new QLineEdit(m_client);
    m_administrativeBase = new QLineEdit(m_client);
    named(m_clientDirectory, "txtDir", fieldFont);
    named(m_administrativeBase, "txtBase", fieldFont);
    setTabOrder(m_clientDirectory, m_administrativeBase);

    m_status = new QLabel(messages::kNoLabels, m_client);
    named(m_status, "lblEspere",
          uiFont(QStringLiteral("Arial Narrow"), program.window.statusPoints, true));
    m_status->setAlignment(Qt::AlignCenter);

    m_settings.stock = stockchoice::chosen(program.name);
    m_firstSheet = new FirstSheetPanel(program.name, m_client);
    m_firstSheet->setSheet(program.shapeOf(m_settings), stockName());
    m_stocks = new StockFlow(dialogs, program, this, [this] { return closeOtherWindows(); });
    connect(m_stocks, &StockFlow::chosen, this, &MainWindowBase::useStock);

    m_review = new ReviewFlow(
        dialogs, this,
        [this](const jobselection::Selection* selection, const FirstSheet& first) {
            return m_labels->job(selection, m_settings)
                ->check(first)(m_print->checkSurface())
                .findings;
        },
        [this] { return m_firstSheet->map()->sheet(); });
    connect(m_firstSheet, &FirstSheetPanel::changed, m_review, &ReviewFlow::firstSheetChanged);
    connect(m_review, &ReviewFlow::jobChanged, this,
            [this] { showStatus(m_review->caption(m_generatedStatus)); });
    connect(m_review, &ReviewFlow::printChosen, this,
            [this](const jobselection::Selection& selection) { printJob(selection); });
    m_print = new PrintFlow(dialogs, program, this, *m_review, *m_firstSheet);
    connect(m_print, &PrintFlow::printerUsed, this, &MainWindowBase::showDestination);

    m_destination = new QLabel(m_client);
    named(m_destination, "lblImpresora", uiFont(QStringLiteral("Arial Narrow"), 9.75, false));
    showDestination();

    const Settings settings = loadSettings(drivec::settingsFile());
    m_clientDirectory->setText(settings.clientDirectory);
    m_administrativeBase->setText(settings.administrativeBase);
}

// The other windows have no parent: they are windows of their own.
MainWindowBase::~MainWindowBase() { delete m_correction; }

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
    if (!report.unsaved.isEmpty() && !std::exchange(m_toldUnsaved, true))
        m_dialogs.message(this, messages::kTitle, report.unsaved);
    for (const QString& notice : report.notices) m_dialogs.message(this, messages::kTitle, notice);
}

void MainWindowBase::openReview() { m_review->open(); }

void MainWindowBase::openPrinterCorrection() {
    if (!m_correction) {
        m_correction = new CorrectionDialog(
            m_dialogs, [this] { return m_program.crosses(m_settings); },
            labelprinter::originOf(m_settings.stock), m_program.shapeOf(m_settings));
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

void MainWindowBase::chooseStock() { m_stocks->open(m_settings.stock); }

// The other windows showed the sheet that was and have closed.
void MainWindowBase::useStock(const std::optional<Stock>& stock) {
    delete m_correction;
    m_settings.stock = stock;
    m_firstSheet->setSheet(m_program.shapeOf(m_settings), stockName());
    m_print->printerChanged();
    showDestination();
}

void MainWindowBase::chooseLabelPrinter() {
    if (!labelprinter::askAndChoose(m_dialogs, this)) return;
    m_print->printerChanged();
    showDestination();
}

void MainWindowBase::print() {
    if (m_labels) printJob(m_review->job());
}

void MainWindowBase::printJob(const std::optional<jobselection::Selection>& selection) {
    m_print->print(*m_labels, m_settings, selection);
}

void MainWindowBase::printTestSheet() { printTestSheet(m_program.crosses(m_settings)); }

void MainWindowBase::printTestSheet(const std::vector<testsheet::Position>& crosses) {
    m_print->printTestSheet(crosses, m_settings);
}

void MainWindowBase::preview() {
    if (m_labels) m_print->preview(*m_labels, m_settings);
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
    if (previewWindow()) previewWindow()->close();
    if (m_stocks->window()) m_stocks->window()->close();
    if (reviewWindow()) reviewWindow()->close();
    if (m_correction) m_correction->close();
    return true;
}

// Changes to the review are this job's work: asked about as "Generar" asks.
void MainWindowBase::quit() {
    if (m_review->letGo() && closeOtherWindows()) m_exit();
}
