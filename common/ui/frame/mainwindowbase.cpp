#include "common/ui/frame/mainwindowbase.h"

#include <QActionGroup>
#include <QApplication>
#include <QLocale>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QFileInfo>
#include <QPrinter>
#include <QTimer>

#include "common/core/files/drivec.h"
#include "common/core/files/presets.h"
#include "common/core/program/startup.h"
#include "common/core/files/settingsfile.h"
#include "common/core/sheets/stockchoice.h"
#include "common/core/text/messages.h"
#include "common/paint/paintersurface.h"
#include "common/ui/boxes/dialogs.h"
#include "common/ui/frame/overridecursor.h"
#include "common/ui/frame/twips.h"

namespace {

// The window's workbench: the program's own settings, and the check
// measuring on the label printer, as it will print.
std::unique_ptr<Workbench> workbenchOf(const Seams& seams, LabelProgram program) {
    JobSettings settings{.stock = stockchoice::chosen(program.name)};
    settings.reachCm = labelprinter::labelPrinterReach(settings.stock);
    return std::make_unique<Workbench>(
        std::move(program), std::move(settings),
        [makeSurface = seams.printerSurface] { return makeSurface(labelprinter::open().printer, 0); });
}

QWidget* named(QWidget* widget, const char* name, const QFont& font) {
    widget->setObjectName(QLatin1String(name));
    widget->setFont(font);
    return widget;
}

}  // namespace

MainWindowBase::MainWindowBase(const Seams& seams, LabelProgram program, QWidget* parent)
    : QMainWindow(parent),
      m_dialogs(seams.dialogs),
      m_exit(seams.exit),
      m_workbench(workbenchOf(seams, std::move(program))) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QString());

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);

    const QFont fieldFont = uiFont(QStringLiteral("Arial"), 9, true);
    m_clientDirectory = new QLineEdit(m_client);
    m_administrativeBase = new QLineEdit(m_client);
    named(m_clientDirectory, "txtDir", fieldFont);
    named(m_administrativeBase, "txtBase", fieldFont);
    setTabOrder(m_clientDirectory, m_administrativeBase);

    const LabelProgram& described = m_workbench->program();
    m_status = new QLabel(messages::noLabels(), m_client);
    named(m_status, "lblEspere",
          uiFont(QStringLiteral("Arial Narrow"), described.window.statusPoints, true));
    m_status->setAlignment(Qt::AlignCenter);

    m_firstSheet = new FirstSheetPanel(described.name, m_client);
    m_firstSheet->setSheet(m_workbench->grid(), stockName());

    m_history = std::make_shared<jobhistory::History>(jobhistory::History::userFolder());
    m_workbench->keepJobsIn(m_history);
    m_review = std::make_unique<ReviewFlow>(m_dialogs, this, *m_workbench);
    m_stocks = std::make_unique<StockFlow>(m_dialogs, described, nullptr);
    m_print = std::make_unique<PrintFlow>(m_dialogs, this, *m_workbench, seams.printerSurface);
    connect(m_firstSheet, &FirstSheetPanel::changed, m_review.get(),
            [this] { m_review->firstSheetChanged(m_firstSheet->sheet()); });
    connect(m_review.get(), &ReviewFlow::jobChanged, this,
            [this] { showStatus(m_review->caption(m_generatedStatus)); });
    connect(m_review.get(), &ReviewFlow::printChosen, this, &MainWindowBase::printJob);
    connect(m_stocks.get(), &StockFlow::chosen, this, &MainWindowBase::useStock);
    connect(m_print.get(), &PrintFlow::printerUsed, this, &MainWindowBase::showDestination);
    connect(m_print.get(), &PrintFlow::printed, m_firstSheet, &FirstSheetPanel::printed);
    connect(m_print.get(), &PrintFlow::printed, this, [this] {
        m_workbench->keepEdits();
        tellHistory();
    });
    connect(m_print.get(), &PrintFlow::reviewAsked, this, &MainWindowBase::showFindings);

    // Where the labels go, on a row of its own: read whole at any scale.
    m_destination = new QLabel(this);
    named(m_destination, "lblImpresora", uiFont(QStringLiteral("Arial Narrow"), 9.75, false));
    m_destination->setWordWrap(true);
    statusBar()->addWidget(m_destination, 1);
    statusBar()->setSizeGripEnabled(false);
    showDestination();

    const Settings settings = withPresets(loadSettings(drivec::settingsFile()));
    m_clientDirectory->setText(settings.clientDirectory);
    m_administrativeBase->setText(settings.administrativeBase);
    QStringList notices = machineNotices();
    presets::Presets& machine = presets::machine();
    for (const bool locked : {true, false}) {
        const auto printer = locked ? machine.locked(presets::Key::Printer) : machine.preset(presets::Key::Printer);
        if (!printer || labelprinter::available().contains(*printer)) continue;
        notices.append(tr("La impresora «%1» que fijó el administrador no está en este equipo: "
                          "no se tiene en cuenta.").arg(*printer));
        locked ? machine.dropLocked(presets::Key::Printer) : machine.dropPreset(presets::Key::Printer);
        showDestination();
    }
    if (!notices.isEmpty()) showStatus(notices.join(u' '));
    // Said once the window is on screen, over it.
    if (const QString why = useChosenDesign(); !why.isEmpty()) {
        QTimer::singleShot(0, this, [this, why] { m_dialogs.message(this, messages::title(), why); });
    }
}

QString MainWindowBase::useChosenDesign() {
    const QString file = design::chosenFile(m_workbench->program().name);
    if (file.isEmpty()) return {};
    const design::Read read = design::readFile(file);
    if (!read.design) {
        return tr("El diseño de la etiqueta «%1» no se puede usar: %2. Las etiquetas se "
                  "imprimen sin diseño hasta que elija otro en «Diseño de la etiqueta…».")
            .arg(file, read.problem);
    }
    m_designFile = file;
    m_workbench->setDesign(*read.design);
    showDestination();
    return {};
}

MainWindowBase::~MainWindowBase() = default;

void MainWindowBase::buildMenu(const std::vector<MenuItem>& items) {
    QMenu* menu = menuBar()->addMenu(tr("&Menú"));
    menu->setObjectName(QStringLiteral("mnuMenu"));
    auto add = [&](const MenuItem& item) {
        if (item.caption.isEmpty()) return void(menu->addSeparator());
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(item.name);
        action->setShortcut(item.shortcut);
        connect(action, &QAction::triggered, this, item.command);
        if (item.needsLabels) {
            action->setEnabled(false);
            connect(this, &MainWindowBase::labelsPresent, action, &QAction::setEnabled);
        }
    };
    for (const MenuItem& item : items) add(item);
    add({tr("Trabajos &anteriores…"), QStringLiteral("mnuTrabajos"), {}, [this] { openJobs(); }});
    menu->addSeparator();
    add({tr("&Salir"), QStringLiteral("mnuSalir"), QKeySequence(Qt::CTRL | Qt::Key_S),
         [this] { quit(); }});
    buildLanguageMenu();
    showLocks(menu);
}

void MainWindowBase::buildLanguageMenu() {
    QMenu* menu = menuBar()->addMenu(tr("I&dioma"));
    menu->setObjectName(QStringLiteral("mnuIdioma"));
    menu->setToolTipsVisible(true);
    auto* group = new QActionGroup(menu);
    const QString inForce = QLocale().name().section(u'_', 0, 0);
    const auto locked = presets::machine().locked(presets::Key::Language);
    for (const Language& language : languages()) {
        QAction* action = menu->addAction(language.name);
        action->setObjectName(QStringLiteral("mnuIdioma_") + language.code);
        action->setCheckable(true);
        action->setChecked(language.code == inForce);
        action->setActionGroup(group);
        if (locked) lockedByAdministrator(action, *locked);
        connect(action, &QAction::triggered, this, [this, code = language.code] { chooseLanguage(code); });
    }
}

void MainWindowBase::chooseLanguage(const QString& code) {
    ::chooseLanguage(code);
    const auto chosen = std::find_if(languages().begin(), languages().end(),
                                     [&](const Language& language) { return language.code == code; });
    m_dialogs.message(this, messages::title(),
                      tr("El programa se mostrará en %1 la próxima vez que lo abra.").arg(chosen->name));
}

void MainWindowBase::showLocks(QMenu* menu) {
    menu->setToolTipsVisible(true);
    const presets::Presets& machine = presets::machine();
    const std::pair<const char*, presets::Key> commands[] = {
        {"mnuHoja", presets::Key::Stock},
        {"mnuDiseno", presets::Key::Design},
        {"mnuImpresora", presets::Key::Printer},
    };
    for (const auto& [name, key] : commands) {
        QAction* action = menu->findChild<QAction*>(QLatin1String(name));
        if (const auto locked = machine.locked(key); action && locked) lockedByAdministrator(action, *locked);
    }
    const std::pair<QLineEdit*, presets::Key> fields[] = {
        {m_clientDirectory, presets::Key::ClientDirectory},
        {m_administrativeBase, presets::Key::AdministrativeBase},
    };
    for (const auto& [field, key] : fields) {
        if (const auto locked = machine.locked(key)) lockedByAdministrator(field, *locked);
    }
}

void MainWindowBase::lockedByAdministrator(QObject* control, const QString& value) {
    const QString why = tr("Lo fija el administrador del equipo: %1").arg(value);
    if (auto* action = qobject_cast<QAction*>(control)) {
        action->setEnabled(false);
        action->setToolTip(why);
    } else if (auto* widget = qobject_cast<QWidget*>(control)) {
        widget->setEnabled(false);
        widget->setToolTip(why);
        widget->setAccessibleDescription(why);
    }
}

void MainWindowBase::showStatus(const QString& status) {
    m_status->setText(status);
    fitText(m_status, status, m_workbench->program().window.statusPoints, 0);
}

void MainWindowBase::generate() {
    if (!m_review->mayDiscardChanges()) return;
    const OverrideCursor wait;
    const generation::Report report = m_workbench->generate(
        {m_clientDirectory->text(), m_administrativeBase->text()}, generation::SaveSettings::Yes);
    m_generatedStatus = report.status;
    // A print file that could not be read, or held none, gives nothing to
    // preview, print or review.
    emit labelsPresent(m_workbench->hasLabels() && m_workbench->labels()->count() > 0);
    showStatus(report.status);
    // Said once a run: the values on screen serve until the program ends.
    if (!report.unsaved.isEmpty() && !std::exchange(m_toldUnsaved, true))
        m_dialogs.message(this, messages::title(), report.unsaved);
    for (const QString& notice : report.notices) m_dialogs.message(this, messages::title(), notice);
    tellHistory();
    if (m_jobsWindow.get()) m_jobsWindow.get()->refresh();
}

bool MainWindowBase::tellHistory() {
    const QStringList notices = m_workbench->historyNotices();
    for (const QString& notice : notices) m_dialogs.message(this, messages::title(), notice);
    return !notices.isEmpty();
}

void MainWindowBase::openJobs() {
    const bool wasOpen = m_jobsWindow.get() != nullptr;
    JobsWindow& window = m_jobsWindow.open([this] {
        auto* made = new JobsWindow(m_dialogs, m_history);
        connect(made, &JobsWindow::openAsked, this, &MainWindowBase::openKeptJob);
        return made;
    });
    // Jobs kept since it opened join the list.
    if (wasOpen) window.refresh();
    tellHistory();
}

void MainWindowBase::openKeptJob(const QString& file) {
    if (!m_review->mayDiscardChanges()) return;
    const std::optional<jobhistory::KeptJob> job = m_history->load(file);
    if (!job) {
        if (!tellHistory())
            m_dialogs.message(this, messages::title(), tr("Ese trabajo ya no está guardado."));
        if (m_jobsWindow.get()) m_jobsWindow.get()->refresh();
        return;
    }
    m_workbench->open(*job, file);
    const qint64 count = m_workbench->labels()->count();
    m_generatedStatus = tr("Trabajo del %1: %n etiquetas", nullptr, int(count))
                            .arg(QLocale().toString(job->made.toLocalTime(), QLocale::ShortFormat));
    emit labelsPresent(count > 0);
    showStatus(m_generatedStatus);
    m_review->open(m_firstSheet->sheet());
}

void MainWindowBase::openReview() {
    if (m_workbench->hasLabels()) m_review->open(m_firstSheet->sheet());
}

void MainWindowBase::showFindings(const std::vector<labelcheck::Finding>& findings,
                                  const jobselection::Choice& choice) {
    m_review->showFindings(findings, choice, m_firstSheet->sheet());
}

void MainWindowBase::openPrinterCorrection() {
    m_correction.open([this] {
        auto* dialog = new CorrectionWindow(m_dialogs, *m_workbench);
        connect(dialog, &CorrectionWindow::correctionChanged, this,
                &MainWindowBase::showDestination);
        return dialog;
    });
}

void MainWindowBase::showDestination() {
    const QString text =
        labelprinter::describe() +
        (workbench().settings().stock ? tr(" · Hoja: %1").arg(stockName()) : QString()) +
        (m_designFile.isEmpty() ? QString()
                                : tr(" · Diseño: %1").arg(QFileInfo(m_designFile).completeBaseName()));
    m_destination->setText(text);
}

QString MainWindowBase::stockName() const {
    const std::optional<Stock>& stock = m_workbench->settings().stock;
    return stock ? stock->name : QString();
}

void MainWindowBase::chooseStock() { m_stocks->open(m_workbench->settings().stock); }

void MainWindowBase::useStock(const std::optional<Stock>& stock) {
    // The coordinate editor may ask before its changes go.
    if (!closeOtherWindows()) return;
    stockchoice::choose(m_workbench->program().name, stock);
    m_correction.discard();
    m_workbench->setStock(stock);
    m_workbench->setReach(labelprinter::labelPrinterReach(stock));
    m_firstSheet->setSheet(m_workbench->grid(), stockName());
    showDestination();
}

void MainWindowBase::chooseDesign() {
    m_designWindow.open([this] {
        auto* window = new DesignWindow(m_dialogs, m_workbench->program(), m_workbench->settings(),
                                        m_workbench->settings().design, m_designFile);
        connect(window, &DesignWindow::chosen, this, &MainWindowBase::useDesign);
        return window;
    });
}

void MainWindowBase::useDesign(const design::Design& design, const QString& file) {
    design::chooseFile(m_workbench->program().name, file);
    m_designFile = file;
    const OverrideCursor wait;  // the labels are made again with it
    m_workbench->setDesign(design);
    emit labelsPresent(m_workbench->hasLabels() && m_workbench->labels()->count() > 0);
    emit designChanged();
    showDestination();
}

void MainWindowBase::chooseLabelPrinter() {
    m_printerWindow.open([this] {
        auto* window = new LabelPrinterWindow(
            m_workbench->settings().stock,
            [this](const QString& printer, int degrees) { m_print->printTestLabel(printer, degrees); });
        connect(window, &LabelPrinterWindow::chosen, this, [this] {
            m_workbench->printerChanged();
            m_workbench->setReach(labelprinter::labelPrinterReach(m_workbench->settings().stock));
            showDestination();
        });
        return window;
    });
}

void MainWindowBase::print() { printJob(m_workbench->reviewed()); }

void MainWindowBase::printJob(const jobselection::Choice& choice) {
    if (!m_workbench->hasLabels()) return;
    if (const std::optional<FirstSheet> first = m_firstSheet->firstSheet(m_dialogs, this))
        m_print->print(choice, *first);
}

void MainWindowBase::printTestSheet() {
    printTestSheet(m_workbench->program().crosses(m_workbench->settings()));
}

void MainWindowBase::printTestSheet(const std::vector<testsheet::Position>& crosses) {
    m_print->printTestSheet(crosses);
}

void MainWindowBase::preview() {
    if (!m_workbench->hasLabels()) return;
    if (const std::optional<FirstSheet> first = m_firstSheet->firstSheet(m_dialogs, this))
        m_print->preview(m_workbench->reviewed(), *first);
}

void MainWindowBase::clear() {
    if (!m_review->mayDiscardChanges()) return;
    m_workbench->clear();
    emit labelsPresent(false);
    // What the administrator locked stays: it is what "Generar" reads.
    const Settings locked = withPresets(Settings{});
    const presets::Presets& machine = presets::machine();
    m_administrativeBase->setText(machine.isLocked(presets::Key::AdministrativeBase) ? locked.administrativeBase : QString());
    m_clientDirectory->setText(machine.isLocked(presets::Key::ClientDirectory) ? locked.clientDirectory : QString());
    showStatus(messages::noLabels());
}

bool MainWindowBase::closeOtherWindows() {
    if (m_print->previewWindow()) m_print->previewWindow()->close();
    m_stocks->close();
    if (m_review->window()) m_review->window()->close();
    m_correction.close();
    m_designWindow.close();
    m_printerWindow.close();
    m_jobsWindow.close();
    return true;
}

// Changes to the review are this job's work: asked about as "Generar" asks.
void MainWindowBase::quit() {
    if (m_review->mayDiscardChanges() && closeOtherWindows()) m_exit();
}
