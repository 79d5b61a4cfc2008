#include "common/ui/mainwindowbase.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>

#include "common/core/drivec.h"
#include "common/core/messages.h"
#include "common/core/settingsfile.h"
#include "common/paint/paintersurface.h"
#include "common/ui/dialogs.h"
#include "common/ui/firstsheetpanel.h"
#include "common/ui/labelprinter.h"
#include "common/ui/previewwindow.h"
#include "common/ui/twips.h"
#include "common/ui/waitcursor.h"

MainWindowBase::MainWindowBase(Dialogs& dialogs, Traits traits, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_traits(std::move(traits)) {
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
    m_status->setFont(uiFont(QStringLiteral("Arial Narrow"), m_traits.statusPoints, true));
    m_status->setAlignment(Qt::AlignCenter);

    m_firstSheet = new FirstSheetPanel(m_traits.program, m_traits.sheet, m_client);
    connect(m_firstSheet, &FirstSheetPanel::changed, this, [this] {
        if (m_reviewWindow) reviewChanged();
    });

    m_printer = new QLabel(m_client);
    m_printer->setObjectName(QStringLiteral("lblImpresora"));
    m_printer->setFont(uiFont(QStringLiteral("Arial Narrow"), 9.75, false));
    showPrinter();

    const Settings settings = loadSettings(drivec::settingsFile());
    m_clientDirectory->setText(settings.clientDirectory);
    m_administrativeBase->setText(settings.administrativeBase);
}

// The other windows have no parent: they are windows of their own.
MainWindowBase::~MainWindowBase() {
    delete m_preview;
    delete m_reviewWindow;
    delete m_correction;
}

void MainWindowBase::openPrinterCorrection() {
    if (!m_correction) {
        const SheetShape sheet = m_traits.sheet;
        m_correction = new CorrectionDialog(
            m_dialogs, [this] { return crossPositions(); },
            {1, sheet.columns, sheet.places() - sheet.columns + 1, sheet.places()});
        connect(m_correction, &CorrectionDialog::correctionChanged, this,
                &MainWindowBase::showPrinter);
    }
    m_correction->show();
    m_correction->raise();
    m_correction->activateWindow();
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
    fitText(m_status, status, m_traits.statusPoints, 0);
}

void MainWindowBase::generate() {
    if (!dropReview()) return;
    WaitCursor wait;
    dropLabels();
    const generation::Report report = generation::run(
        {m_clientDirectory->text(), m_administrativeBase->text()}, generation::SaveSettings::Yes,
        [this](const QString& printFile) { return generateLabels(printFile); });
    if (hasLabels()) {
        m_source = reviewSource();
        m_review = review::Review(m_source->count(), m_traits.sheet.places());
    }
    m_generatedStatus = report.status;
    emit labelsPresent(hasLabels());
    showStatus(report.status);
    // Said once a run: the values on screen serve until the program ends.
    if (!report.unsaved.isEmpty() && !m_toldUnsaved) {
        m_toldUnsaved = true;
        m_dialogs.message(this, messages::kTitle, report.unsaved);
    }
    for (const QString& notice : report.notices) m_dialogs.message(this, messages::kTitle, notice);
}

bool MainWindowBase::reviewKept() {
    return m_review.changed() &&
           !m_dialogs.question(this, messages::kTitle, messages::kDiscardReview);
}

bool MainWindowBase::dropReview() {
    if (reviewKept()) return false;
    delete m_reviewWindow;
    m_review = review::Review();
    m_source.reset();
    m_checkPrinter.reset();
    return true;
}

jobselection::Selection MainWindowBase::selectReviewedJob() {
    jobselection::Selection job = m_review.selection();
    selectJob(m_review.changed() ? &job : nullptr);
    return job;
}

void MainWindowBase::openReview() {
    if (!hasLabels()) return;
    if (!m_reviewWindow) {
        WaitCursor wait;
        m_reviewWindow = new ReviewWindow(m_dialogs, m_review, *m_source);
        connect(m_reviewWindow, &ReviewWindow::jobChanged, this, &MainWindowBase::reviewChanged);
        connect(m_reviewWindow, &ReviewWindow::printChosen, this,
                [this](const std::vector<qint64>& labels) {
                    printSelection(m_review.selectionOf(labels));
                });
        reviewChanged();
    }
    m_reviewWindow->show();
    m_reviewWindow->raise();
    m_reviewWindow->activateWindow();
}

void MainWindowBase::reviewChanged() {
    WaitCursor wait;
    const FirstSheet first = m_firstSheet->map()->sheet();
    m_review.place(first);
    const jobselection::Selection job = selectReviewedJob();
    loadPositions();
    if (!m_checkPrinter) m_checkPrinter = labelPrinter();
    m_review.setFindings(labelCheck(first)(*m_checkPrinter).findings, job);
    if (m_reviewWindow) m_reviewWindow->refresh();
    showCount();
}

void MainWindowBase::reviewFindings(const std::vector<labelcheck::Finding>& findings,
                                    const jobselection::Selection& job) {
    openReview();
    m_review.setFindings(findings, job);
    m_reviewWindow->refresh();
    if (const auto first = m_review.firstFlagged()) m_reviewWindow->showLabel(*first);
}

void MainWindowBase::showCount() {
    if (!m_review.changed()) return showStatus(m_generatedStatus);
    showStatus(QStringLiteral("Se imprimirán %1 etiquetas (%2 generadas)")
                   .arg(m_review.labelsToPrint())
                   .arg(m_review.count()));
}

void MainWindowBase::showPrinter() { m_printer->setText(labelprinter::describe()); }

void MainWindowBase::chooseLabelPrinter() {
    const QString defaultOne = QStringLiteral("La impresora predeterminada");
    const QString current = labelprinter::chosen();
    const QString picked = m_dialogs.pick(this, QStringLiteral("Impresora de etiquetas"),
                                          QStringLiteral("Impresora a la que van las etiquetas:"),
                                          QStringList{defaultOne} + labelprinter::available(),
                                          current.isEmpty() ? defaultOne : current);
    if (picked.isEmpty()) return;  // Cancel
    labelprinter::choose(picked == defaultOne ? QString() : picked);
    m_checkPrinter.reset();
    showPrinter();
}

std::shared_ptr<DrawingSurface> MainWindowBase::labelPrinter() {
    return m_printerFactory(labelprinter::open().printer);
}

MainWindowBase::JobPrinter MainWindowBase::printerForJob() {
    labelprinter::Target target = labelprinter::open();
    showPrinter();
    if (!target.missing.isEmpty()) {
        m_dialogs.message(this, messages::kTitle, labelprinter::missingMessage(target.missing));
    }
    // Cancel cancels: printing after it would waste sheets of labels.
    if (m_traits.printerDialog && !m_dialogs.choosePrinter(this, *target.printer)) return {};
    // The printer's own error, measured once, is taken out of every line.
    JobPrinter job;
    job.name = target.printer->printerName();
    job.correction = labelprinter::correctionFor(job.name);
    const QPointF corner = PrinterSurface::printableCornerCm(*target.printer);
    job.surface = correction::corrected(m_printerFactory(std::move(target.printer)), job.correction,
                                        corner.x(), corner.y());
    return job;
}

void MainWindowBase::print() {
    if (hasLabels()) printSelection(m_review.selection());
}

void MainWindowBase::printSelection(const jobselection::Selection& selection) {
    const std::optional<FirstSheet> first = m_firstSheet->firstSheet(m_dialogs, this);
    if (!first) return;
    // The whole list unchanged prints as generated, without a copy of it.
    const bool asGenerated = !m_review.changed() && selection.size() == size_t(m_review.count());
    selectJob(asGenerated ? nullptr : &selection);
    loadPositions();
    const std::shared_ptr<DrawingSurface> printer = printerForJob().surface;
    PrintOutcome outcome;
    if (printer &&
        confirmLabels(m_dialogs, this, labelCheck(*first), *printer,
                      [&](const auto& findings) { reviewFindings(findings, selection); })) {
        outcome = printAndTell(m_dialogs, this, printWalk(), *printer, *first);
    }
    selectReviewedJob();
    if (outcome.printed) m_firstSheet->printed(outcome.lastSheet);
}

void MainWindowBase::printTestSheetWalk(const LabelWalk& walk) {
    const JobPrinter printer = printerForJob();
    if (!printer.surface) return;
    // What is measured on this sheet is what its correction left.
    if (printAndTell(m_dialogs, this, walk, *printer.surface, FirstSheet(m_traits.sheet.places()))
            .printed) {
        labelprinter::keepSheetCorrection(printer.name, printer.correction);
    }
}

bool MainWindowBase::askNextSheet() {
    return m_dialogs.question(m_preview, m_traits.continueTitle, m_traits.continueText);
}

void MainWindowBase::preview() {
    if (!hasLabels()) return;
    const std::optional<FirstSheet> first = m_firstSheet->firstSheet(m_dialogs, this);
    if (!first) return;
    WaitCursor wait;
    const jobselection::Selection job = selectReviewedJob();
    loadPositions();
    // Checked as it will print: on the label printer, at the printed places.
    if (!confirmLabels(m_dialogs, this, labelCheck(*first), *labelPrinter(),
                       [&](const auto& findings) { reviewFindings(findings, job); })) {
        return;
    }
    if (!m_preview) m_preview = new PreviewWindow(this);
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
    previewSheets(previewWalk(), m_preview->picture()->surface(), *first,
                  [this] { return askNextSheet(); });
}

void MainWindowBase::clear() {
    if (!dropReview()) return;
    dropLabels();
    emit labelsPresent(false);
    m_administrativeBase->clear();
    m_clientDirectory->clear();
    showStatus(messages::kNoLabels);
}

bool MainWindowBase::closeOtherWindows() {
    if (m_preview) m_preview->close();
    if (m_reviewWindow) m_reviewWindow->close();
    if (m_correction) m_correction->close();
    return true;
}

// Changes to the review are this job's work: asked about as "Generar" asks.
void MainWindowBase::quit() {
    if (reviewKept()) return;
    if (closeOtherWindows()) m_exit();
}
