#include "common/batch/batchjob.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <QGuiApplication>
#include <QPrinter>
#include <QTextStream>

#include "common/core/correction/correction.h"
#include "common/core/files/drivec.h"
#include "common/core/files/presets.h"
#include "common/core/files/settingsfile.h"
#include "common/core/history/jobhistory.h"
#include "common/core/program/labelprogram.h"
#include "common/core/program/startup.h"
#include "common/core/program/workbench.h"
#include "common/core/sheets/catalogue.h"
#include "common/core/sheets/stockchoice.h"
#include "common/core/text/messages.h"
#include "common/core/text/number.h"
#include "common/paint/labelprinter.h"
#include "common/paint/paintersurface.h"
#include "common/core/check/margincheck.h"

bool isBatchCommandLine(const QStringList& arguments) {
    // --language alone opens the window in that language.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--language")) {
            ++i;
        } else if (arguments[i].startsWith(u'-') && !arguments[i].startsWith(QLatin1String("--language="))) {
            return true;
        }
    }
    return false;
}

QString languageRefusal(const QStringList& arguments) {
    const std::optional<QString> code = languageArgument(arguments);
    if (!code) return {};
    if (!isLanguage(*code)) {
        return QCoreApplication::translate("batch", "Idioma desconocido: «%1» (es, ca, gl, eu, en)")
            .arg(*code);
    }
    if (const auto locked = presets::machine().locked(presets::Key::Language); locked && *locked != *code)
        return QCoreApplication::translate("batch", "El idioma lo fija el administrador: %1").arg(*locked);
    return {};
}

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(batch)
};

struct BatchOptions {
    QString pdf;
    QString printer;  // --printer NAME, in place of --pdf
    std::optional<QString> fontSize;  // --font-size, else the design's, else 8
    PdfSurface::Paper paper = PdfSurface::Paper::A4;
    QString start = QStringLiteral("1");
    QString skip;    // places separated by commas
    QString labels;  // the labels to print, by number ("2,5-6"); empty: all
    int copies = 1;
    std::vector<correction::Measure> measures;  // --correction-from
    std::optional<QString> stock;               // --stock NAME
    std::optional<QString> design;              // --design FILE
    std::optional<QString> listStocks;          // --list-stocks [TEXT]
    std::optional<QString> listJobs;            // --list-jobs [TEXT]
    std::optional<qint64> job;                  // --job N: a kept job's labels
    QStringList typed;                          // --add-label, one a label
    bool testSheet = false;
    bool listPrinters = false;
    bool strict = false;
    bool help = false;
    bool version = false;
};

// An option of the command line; `missing` says what is missing when an
// option that takes a value comes last, and is empty for a switch.
struct Option {
    QString name;
    QString missing;
};

std::vector<Option> optionsOf(const LabelProgram& program) {
    std::vector<Option> options = {
        {QStringLiteral("pdf"), Text::tr("Falta el nombre del archivo tras --pdf")},
        {QStringLiteral("printer"), Text::tr("Falta el nombre de la impresora tras --printer")},
        {QStringLiteral("paper"), Text::tr("Falta el papel tras --paper")},
        {QStringLiteral("start"), Text::tr("Falta la etiqueta tras --start")},
        {QStringLiteral("skip"), Text::tr("Falta la lista tras --skip")},
        {QStringLiteral("labels"), Text::tr("Falta la lista tras --labels")},
        {QStringLiteral("copies"), Text::tr("Falta el número tras --copies")},
        {QStringLiteral("correction-from"), Text::tr("Faltan las medidas tras --correction-from")},
        {QStringLiteral("stock"), Text::tr("Falta el nombre de la hoja tras --stock")},
        {QStringLiteral("add-label"), Text::tr("Falta la etiqueta tras --add-label")},
        {QStringLiteral("design"), Text::tr("Falta el archivo tras --design")},
        {QStringLiteral("language"), Text::tr("Falta el idioma tras --language")},
        {QStringLiteral("job"), Text::tr("Falta el número del trabajo tras --job")},
        {QStringLiteral("list-stocks"), {}},
        {QStringLiteral("list-jobs"), {}},
        {QStringLiteral("list-printers"), {}},
        {QStringLiteral("test-sheet"), {}},
        {QStringLiteral("strict"), {}},
        {QStringLiteral("version"), {}},
    };
    if (program.takesFontSize)
        options.push_back(
            {QStringLiteral("font-size"), Text::tr("Falta el tamaño tras --font-size")});
    return options;
}

// What is wrong with a line the parser refused: an option it does not know,
// one without its value, a switch given a value. The line is read as the
// parser reads it: the argument after an option that takes a value is that
// value, whatever it looks like.
QString refusal(const QCommandLineParser& parser, const QStringList& arguments,
                const std::vector<Option>& options) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--")) break;
        if (!arg.startsWith(u'-') || arg == QLatin1String("-h")) continue;
        const QString name = arg.mid(2).section(u'=', 0, 0);
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const Option& o) { return o.name == name; });
        if (!arg.startsWith(QLatin1String("--")) ||
            (option == options.end() && name != QLatin1String("help"))) {
            return Text::tr("Opción desconocida: %1").arg(arg);
        }
        const bool takesValue = option != options.end() && !option->missing.isEmpty();
        if (!takesValue && arg.contains(u'='))
            return Text::tr("La opción --%1 no lleva ningún valor").arg(name);
        if (takesValue && !arg.contains(u'=') && ++i >= arguments.size()) return option->missing;
    }
    return parser.errorText();
}

// Reads the values of the options the parser found. Returns the problem, or
// an empty text when they are fine.
QString readValues(const QCommandLineParser& parser, const LabelProgram& program,
                   BatchOptions& options) {
    auto value = [&](const char* name, QString& into) {
        if (parser.isSet(QLatin1String(name))) into = parser.value(QLatin1String(name));
        return parser.isSet(QLatin1String(name));
    };
    QString problem;
    value("pdf", options.pdf);
    value("printer", options.printer);
    if (QString size; program.takesFontSize && value("font-size", size)) {
        options.fontSize = size;
        if (!isFontSize(size)) {
            return Text::tr("Tamaño de letra no válido: %1 (de %2 a %3 puntos)")
                .arg(size)
                .arg(kMinFontPoints)
                .arg(kMaxFontPoints);
        }
    }
    value("start", options.start);
    value("skip", options.skip);
    if (value("labels", options.labels) && !jobselection::parseNumbers(options.labels, -1, problem))
        return problem;
    if (QString copies; value("copies", copies)) {
        const auto read = jobselection::parseCopies(copies, problem);
        if (!read) return problem;
        options.copies = *read;
    }
    if (QString measures; value("correction-from", measures)) {
        const auto read = correction::parseMeasures(measures, problem);
        if (!read) return problem;
        options.measures = *read;
    }
    if (QString name; value("stock", name)) options.stock = name;
    if (QString file; value("design", file)) options.design = file;
    if (QString number; value("job", number)) {
        bool read = false;
        options.job = number.toLongLong(&read);
        if (!read || *options.job < 1)
            return Text::tr("Número de trabajo no válido: %1 (1 es el último)").arg(number);
    }
    options.typed = parser.values(QStringLiteral("add-label"));
    if (QString paper; value("paper", paper)) {
        if (paper.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0) {
            options.paper = PdfSurface::Paper::A4;
        } else if (paper.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0) {
            options.paper = PdfSurface::Paper::Letter;
        } else {
            return Text::tr("Papel no válido: %1 (a4 o letter)").arg(paper);
        }
    }
    return {};
}

// Reads the options after the program's name. Returns the problem, or an
// empty text when the line is fine.
QString parseBatchOptions(const QStringList& arguments, const LabelProgram& program,
                          BatchOptions& options) {
    const std::vector<Option> known = optionsOf(program);
    QCommandLineParser parser;
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, {}});
    for (const Option& option : known) {
        const QString valueName = option.missing.isEmpty() ? QString() : QStringLiteral("x");
        parser.addOption({option.name, {}, valueName});
    }
    const bool parsed = parser.parse(arguments);
    options.help = parser.isSet(QStringLiteral("help"));
    options.version = parser.isSet(QStringLiteral("version"));
    if (!parsed) return refusal(parser, arguments, known);
    if (const QString problem = readValues(parser, program, options); !problem.isEmpty())
        return problem;
    options.testSheet = parser.isSet(QStringLiteral("test-sheet"));
    options.listPrinters = parser.isSet(QStringLiteral("list-printers"));
    options.strict = parser.isSet(QStringLiteral("strict"));
    // --list-stocks and --list-jobs take a text of their own; nothing else
    // stands alone.
    const QStringList alone = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("list-stocks"))) options.listStocks = alone.value(0);
    if (parser.isSet(QStringLiteral("list-jobs"))) options.listJobs = alone.value(0);
    if (alone.size() > (options.listStocks || options.listJobs ? 1 : 0))
        return Text::tr("Sobra «%1» en la orden").arg(alone.last());
    if (options.job && !options.typed.isEmpty()) {
        return Text::tr("--job y --add-label no van juntas: las etiquetas son las del trabajo o "
                        "las escritas");
    }
    if (!options.pdf.isEmpty() && !options.printer.isEmpty())
        return Text::tr("--pdf y --printer no van juntas: el trabajo va a un PDF o a una impresora");
    if (!options.printer.isEmpty() && !options.measures.empty()) {
        return Text::tr(
            "--correction-from corrige un PDF; una impresora usa la corrección guardada para ella");
    }
    if (!options.help && !options.version && !options.listStocks && !options.listJobs &&
        !options.listPrinters &&
        options.pdf.isEmpty() && options.printer.isEmpty())
        return Text::tr("Falta --pdf ARCHIVO.pdf o --printer IMPRESORA");
    return {};
}

// The first sheet that --start and --skip describe, on a sheet of `places`;
// the problem when a place is not one of the sheet or none is left free.
QString firstSheetOf(const BatchOptions& options, int places, FirstSheet& first) {
    const int start = parsePlaceNumber(options.start, places);
    if (start < 0) return placeOutOfRange(options.start, places);
    first = FirstSheet(places);
    first.startAt(start);
    for (const QString& number : options.skip.split(u',', Qt::SkipEmptyParts)) {
        const int place = parsePlaceNumber(number, places);
        if (place < 0) return placeOutOfRange(number, places);
        first.setUsed(place, true);
    }
    return first.hasFreePlace() ? QString() : messages::noFreePlace();
}

// --stock: the stock named, from those the user typed and the catalogue;
// the problem when there is none of that name.
QString stockOf(const BatchOptions& options, JobSettings& settings) {
    if (!options.stock) return {};
    if (const auto locked = presets::machine().locked(presets::Key::Stock);
        locked && locked->compare(options.stock->simplified(), Qt::CaseInsensitive) != 0) {
        return Text::tr("La hoja la fija el administrador: %1").arg(*locked);
    }
    settings.stock = stockchoice::find(*options.stock, catalogue::read(catalogue::folder()));
    if (settings.stock) return {};
    return Text::tr(
               "La hoja «%1» no está en el catálogo ni entre las que escribió en \"Otra "
               "hoja…\"; --list-stocks TEXTO escribe las que hay.")
        .arg(*options.stock);
}

// --design, or the design chosen in the window: read into the settings,
// with its size unless --font-size gives one; the problem when the file is
// missing or refused.
QString designOf(const BatchOptions& options, const LabelProgram& program, JobSettings& settings) {
    const auto locked = presets::machine().locked(presets::Key::Design);
    if (options.design && locked &&
        QFileInfo(*options.design).absoluteFilePath() != QFileInfo(*locked).absoluteFilePath()) {
        return Text::tr("El diseño lo fija el administrador: %1").arg(*locked);
    }
    const QString file = options.design.value_or(design::chosenFile(program.name));
    if (!file.isEmpty()) {
        const design::Read read = design::readFile(file);
        if (!read.design)
            return Text::tr("El diseño «%1» no se puede usar: %2").arg(file, read.problem);
        settings.design = *read.design;
        if (read.design->spine.face.points && program.takesFontSize)
            settings.fontSize = QString::number(*read.design->spine.face.points);
    }
    if (options.fontSize) settings.fontSize = *options.fontSize;
    return {};
}

// The options both programs take, and what the job writes, after each
// program's own part of --help, for a sheet of `grid`.
QString helpText(const LabelProgram& program, LabelGrid grid) {
    return program.help(grid) +
           Text::tr(
               "  --printer IMPRESORA en lugar de --pdf, imprime en esa impresora del sistema,\n"
               "                      con su corrección y su giro, como \"Imprimir\" en la de\n"
               "                      etiquetas; antes comprueba que todo cae donde la impresora\n"
               "                      llega a imprimir\n"
               "  --list-printers     escribe las impresoras del sistema y marca la de etiquetas\n"
               "                      y la predeterminada\n") +
           Text::tr(
               "  --list-jobs [TEXTO] escribe los trabajos guardados, del último al primero:\n"
               "                      su número, la fecha, cuántas etiquetas y la primera y la\n"
               "                      última signatura; con TEXTO, solo los que lo tienen en\n"
               "                      alguna etiqueta\n"
               "  --job N             imprime las etiquetas del trabajo guardado N (1 es el\n"
               "                      último) en lugar de leer el archivo de etiquetas, con su\n"
               "                      diseño si no se indica --design\n") +
           Text::tr(
               "  --skip LISTA        deja vacías en la primera hoja las etiquetas de la lista,\n"
               "                      separadas por comas (por ejemplo 3,7,12)\n"
               "  --labels LISTA      imprime solo las etiquetas de la lista, en ese orden:\n"
               "                      números desde 1 separados por comas, o intervalos\n"
               "                      (por ejemplo 2,5-6)\n"
               "  --copies N          imprime N copias de cada etiqueta, seguidas (1 a 99)\n"
               "  --correction-from \"P:x,y;P:x,y;...\"\n"
               "                      corrige el error de una impresora medido en su hoja de\n"
               "                      prueba: para cuatro o más cruces, la etiqueta y las\n"
               "                      distancias de su centro a los bordes izquierdo y superior\n"
               "                      del papel, en milímetros (1:28.4,20.6;3:...)\n"
               "  --stock \"MARCA PRODUCTO\"\n"
               "                      la hoja de etiquetas: un producto del catálogo (por\n"
               "                      ejemplo \"Herma 4102\") o una hoja que escribió en\n"
               "                      \"Otra hoja…\"; si no se indica, la elegida en la ventana\n"
               "                      (el PDF toma su papel y --start y --skip cuentan sus\n"
               "                      etiquetas)\n"
               "  --list-stocks [TEXTO]\n"
               "                      escribe las hojas del catálogo y las suyas que coinciden\n"
               "                      con el texto (marca, producto o medidas, como 48,5 x 25,4)\n"
               "  --design ARCHIVO    el diseño de la etiqueta: qué muestra y cómo; si no se\n"
               "                      indica, el elegido en la ventana\n"
               "  --language CÓDIGO   el idioma de los mensajes: es, ca, gl, eu o en\n"
               "  --strict            no escribe el PDF si alguna etiqueta no cabe (estado 5)\n"
               "  --help              muestra esta ayuda\n"
               "  --version           muestra la versión\n"
               "\n"
               "Escribe \"Se han generado n etiquetas\" en la salida estándar. Si falta\n"
               "información, no se puede leer el archivo de etiquetas o no se puede escribir\n"
               "el PDF, escribe el aviso en la salida de errores y termina con el estado 2, 3\n"
               "o 4 respectivamente (1 si la orden está mal escrita). Antes de escribir el PDF\n"
               "comprueba que cada etiqueta cabe en su sitio y escribe lo que no cabe en la\n"
               "salida de errores.\n") +
           (program.helpNote.isEmpty() ? QString() : QStringLiteral("\n") + program.helpNote);
}

// The sheet --help speaks of: the stock --stock names, else the one chosen
// in the window, else the program's own.
LabelGrid helpShape(const BatchOptions& options, const LabelProgram& program) {
    JobSettings settings{.stock = stockchoice::chosen(program.name)};
    stockOf(options, settings);
    return program.gridOf(settings);
}

// The labels --labels and --copies name, in their order, or none for every
// label once, with the edits a kept job printed with; the problem when a
// number is past the labels generated.
QString choiceOf(const BatchOptions& options, const review::Review& review,
                 jobselection::Choice& choice) {
    const qint64 count = review.count();
    QString problem;
    if (!options.labels.isEmpty()) {
        const auto numbers = jobselection::parseNumbers(options.labels, count, problem);
        if (!numbers) return problem;
        choice = jobselection::ofNumbers(*numbers, options.copies);
    } else if (options.copies != 1 || review.hasEdits()) {
        choice = jobselection::everyLabel(count, options.copies);
    }
    if (choice) {
        for (jobselection::Entry& entry : *choice)
            if (const review::Fields* edited = review.edit(entry.label)) entry.edited = *edited;
    }
    return {};
}

// --list-jobs: the kept jobs, newest first, those holding `text` if any.
int listJobs(const QString& text, QTextStream& out, QTextStream& err) {
    jobhistory::History history(jobhistory::History::userFolder());
    const std::vector<jobhistory::Listed> jobs = history.list();
    for (size_t i = 0; i < jobs.size(); ++i) {
        const jobhistory::Listed& job = jobs[i];
        if (!text.isEmpty() && !jobhistory::matches(job, text)) continue;
        out << i + 1 << "\t" << job.made.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
            << "\t" << job.labelCount << "\t" << job.firstCallNumber << "\t" << job.lastCallNumber
            << "\n";
    }
    for (const QString& notice : history.takeNotices()) err << notice << "\n";
    return kBatchOk;
}

// The PDF of the job, through the correction --correction-from measured;
// the problem when the measures give none.
QString correctedPdf(const BatchOptions& options, const LabelProgram& program,
                     const JobSettings& settings, std::shared_ptr<DrawingSurface>& surface) {
    if (options.measures.empty()) return {};
    // The page of a PDF is the paper: its drawing area starts at the corner.
    const correction::Fit fit = correction::fit(options.measures, program.crosses(settings), 0, 0);
    if (!fit.distortion) return fit.problem;
    surface = correction::corrected(surface, fit.distortion, 0, 0);
    return {};
}

// --list-stocks: the stocks that `text` describes, a line each, and what
// the catalogue could not offer.
int listStocks(const QString& text, QTextStream& out, QTextStream& err) {
    const catalogue::Catalogue catalogue = catalogue::read(catalogue::folder());
    const std::vector<Stock> typed = stockchoice::typed();
    for (const catalogue::Found& found : catalogue::search(catalogue, typed, text)) {
        out << found.stock->name << "\t" << found.stock->summary() << "\t"
            << found.stock->description << "\n";
    }
    err << Text::tr(
               "%n hojas en el catálogo (%1 que no se pueden imprimir se omiten: %2 "
               "redondas o de CD, %3 de varias rejillas, %4 mal descritas); %5 suyas.\n",
               nullptr, int(catalogue.stocks.size()))
               .arg(catalogue.skipped())
               .arg(catalogue.skippedShapes)
               .arg(catalogue.skippedLayouts)
               .arg(catalogue.skippedInvalid)
               .arg(typed.size());
    for (const QString& note : catalogue.notes) err << note << "\n";
    return kBatchOk;
}

// --list-printers: the system's printers, a line each.
int listPrinters(QTextStream& out) {
    for (const QString& line : labelprinter::listing()) out << line << "\n";
    return kBatchOk;
}

// Where the job goes: the PDF file or the printer, and what that printer
// reaches of its paper.
struct Destination {
    std::shared_ptr<DrawingSurface> surface;
    std::optional<margincheck::PrintableArea> area;  // none for a PDF
    bool printer = false;
};

// --printer: the printer named, set up as "Imprimir" sets up the label
// printer; the problem when there is none of that name or it may not take
// the job.
QString printerOf(const BatchOptions& options, JobSettings& settings,
                  Destination& destination) {
    std::unique_ptr<QPrinter> printer = labelprinter::openNamed(options.printer);
    if (!printer) {
        return Text::tr("La impresora «%1» no está en este equipo; --list-printers escribe las "
                        "que hay.")
            .arg(options.printer);
    }
    labelprinter::JobPrinter job = labelprinter::prepare(
        std::move(printer),
        [](std::unique_ptr<QPrinter> p, int degrees) {
            return std::make_shared<PrinterSurface>(std::move(p), degrees);
        },
        settings.stock);
    destination = {job.surface, job.area, true};
    // Positions not saved yet start where this printer prints.
    if (settings.stock) settings.reachCm = job.area.printableCm;
    return job.refusal;
}

// Draws `walk` into the PDF or on the printer. Returns the exit status.
int writeJob(const LabelWalk& walk, const Destination& destination, const FirstSheet& first,
             QTextStream& err) {
    const PrintOutcome outcome = printPages(walk, *destination.surface, first);
    if (outcome.printed) return kBatchOk;
    err << (destination.printer ? messages::printFailed(outcome.reason)
                                : Text::tr("No se pudo escribir el PDF: %1").arg(outcome.reason))
        << "\n";
    return kBatchPdfNotWritten;
}

// The exit status when "Generar" found nothing to go on with, after saying
// why on standard error.
std::optional<int> stoppedBy(const generation::Report& report, QTextStream& err) {
    switch (report.outcome) {
        case generation::Outcome::MissingSettings:
            err << report.notices.first() << "\n";
            return kBatchMissingSettings;
        case generation::Outcome::UnreadablePrintFile:
            err << report.notices.first() << "\n";
            return kBatchUnreadablePrintFile;
        case generation::Outcome::Generated:
            break;
    }
    return std::nullopt;
}

// The labels of kept job `number` (1: the newest), in place of the print
// file's; the problem when there is none of that number.
QString openKept(qint64 number, jobhistory::History& history, Workbench& workbench,
                 generation::Report& report) {
    const std::vector<jobhistory::Listed> jobs = history.list();
    std::optional<jobhistory::KeptJob> job;
    if (number <= qint64(jobs.size())) job = history.load(jobs[size_t(number - 1)].file);
    if (!job) {
        return Text::tr("No hay ningún trabajo %1 guardado; --list-jobs escribe los que hay.")
            .arg(number);
    }
    workbench.open(*job, jobs[size_t(number - 1)].file);
    report.labelCount = workbench.labels()->count();
    report.status = messages::generated(report.labelCount);
    return {};
}

// The labels typed with --add-label, in place of the print file's: none is
// read then. A label's fields are separated by "|", the last taking the rest.
generation::Report generateOrType(Workbench& workbench, const QStringList& typed) {
    if (typed.isEmpty()) {
        return workbench.generate(withPresets(loadSettings(drivec::settingsFile())),
                                  generation::SaveSettings::No);
    }
    const qsizetype fields = qsizetype(workbench.reviewRules().size());
    std::vector<QStringList> labels;
    for (const QString& label : typed) {
        QStringList parts;
        for (qsizetype f = 0; f + 1 < fields; ++f) parts.append(label.section(u'|', int(f), int(f)));
        parts.append(label.section(u'|', int(fields - 1)));
        labels.push_back(parts);
    }
    workbench.addTyped(labels);
    generation::Report report;
    report.labelCount = workbench.labels()->count();
    report.status = messages::generated(report.labelCount);
    return report;
}

// "Se han generado n etiquetas", and a warning about the labels, which does
// not stop the job.
void tellGenerated(const generation::Report& report, QTextStream& out, QTextStream& err) {
    out << report.status << "\n";
    out.flush();
    for (const QString& notice : report.notices) err << notice << "\n";
    err.flush();
}

// The check on what will be printed: the findings go to standard error.
// Whether it found anything.
bool checkOnStandardError(const labelcheck::Check& check, DrawingSurface& surface,
                          QTextStream& err) {
    bool found = false;
    checkBeforePrinting(
        check, surface, [&](const QString& text) { err << text << "\n"; },
        [&](const std::vector<labelcheck::Finding>& findings) {
            for (const QString& line : labelcheck::findingLines(findings)) err << line << "\n";
            found = true;
            return true;
        });
    err.flush();
    return found;
}

}  // namespace

int runBatchJob(const QStringList& arguments, const LabelProgram& program, QTextStream& out,
                QTextStream& err) {
    if (const QString refused = languageRefusal(arguments); !refused.isEmpty()) {
        err << refused << "\n";
        return kBatchUsage;
    }
    BatchOptions options;
    const QString problem = parseBatchOptions(arguments, program, options);
    if (options.version) {
        out << program.name << " " << ETIQUETAS_VERSION << "\n";
        return kBatchOk;
    }
    if (options.help) {
        out << helpText(program, helpShape(options, program));
        return kBatchOk;
    }
    if (!problem.isEmpty()) {
        err << problem << "\n" << helpText(program, helpShape(options, program));
        return kBatchUsage;
    }
    if (options.listStocks) return listStocks(*options.listStocks, out, err);
    if (options.listJobs) return listJobs(*options.listJobs, out, err);
    if (options.listPrinters) return listPrinters(out);
    JobSettings settings{.stock = stockchoice::chosen(program.name)};
    FirstSheet first(1);
    auto refuse = [&](const QString& wrong) {
        err << wrong << "\n";
        return kBatchUsage;
    };
    if (const QString wrong = stockOf(options, settings); !wrong.isEmpty()) return refuse(wrong);
    if (const QString wrong = designOf(options, program, settings); !wrong.isEmpty())
        return refuse(wrong);
    if (const QString wrong = firstSheetOf(options, program.gridOf(settings).places(), first);
        !wrong.isEmpty()) {
        return refuse(wrong);
    }
    // A stock's PDF is its paper; nothing is written before the walk.
    Destination destination;
    if (!options.printer.isEmpty()) {
        if (const QString wrong = printerOf(options, settings, destination); !wrong.isEmpty())
            return refuse(wrong);
    } else {
        destination.surface = std::make_shared<PdfSurface>(
            options.pdf,
            settings.stock ? pageSizeOf(*settings.stock) : PdfSurface::pageSize(options.paper));
        if (const QString wrong = correctedPdf(options, program, settings, destination.surface);
            !wrong.isEmpty())
            return refuse(wrong);
    }
    if (options.testSheet)
        return writeJob(testsheet::walk(program.crosses(settings)), destination, first, err);

    const std::shared_ptr<DrawingSurface> surface = destination.surface;
    Workbench workbench(program, settings, [surface] { return surface; });
    const auto history = std::make_shared<jobhistory::History>(jobhistory::History::userFolder());
    generation::Report report;
    if (options.job) {
        const QString wrong = openKept(*options.job, *history, workbench, report);
        for (const QString& notice : history->takeNotices()) err << notice << "\n";
        if (!wrong.isEmpty()) return refuse(wrong);
        // --design makes the labels again with another design.
        if (options.design) workbench.setDesign(settings.design);
    } else {
        workbench.keepJobsIn(history);
        report = generateOrType(workbench, options.typed);
    }
    for (const QString& notice : workbench.historyNotices() + history->takeNotices())
        err << notice << "\n";
    if (const std::optional<int> stopped = stoppedBy(report, err)) return *stopped;
    jobselection::Choice choice;
    if (const QString wrong = choiceOf(options, workbench.review(), choice); !wrong.isEmpty())
        return refuse(wrong);
    tellGenerated(report, out, err);
    // The job is written or printed all the same unless --strict; on a
    // printer, what it does not reach of its paper is checked too.
    const std::unique_ptr<LabelJob> job = workbench.job(choice);
    const labelcheck::Check check =
        destination.area ? margincheck::withPrintableArea(job->check(first), job->printWalk(),
                                                          first, *destination.area)
                         : job->check(first);
    if (checkOnStandardError(check, workbench.checkSurface(), err) && options.strict)
        return kBatchCheckFailed;
    return writeJob(job->printWalk(), destination, first, err);
}

int runWithoutWindow(int argc, char** argv, const std::function<int(const QStringList&)>& job) {
#ifndef Q_OS_WIN
    // No display is needed. On Windows the native platform needs none either,
    // and only it knows the system's fonts: Qt's offscreen platform there
    // looks for fonts in a folder of its own and draws boxes without them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // Standard error carries the job's own messages; Qt's notes about the
    // session (no runtime folder, no display) would only confuse a script.
    keepOnlyQtFailures();
    QGuiApplication app(argc, argv);
    setUpApplication(app, languageArgument(QCoreApplication::arguments()));
    for (const QString& notice : machineNotices()) std::fprintf(stderr, "%s\n", qPrintable(notice));
    return job(QCoreApplication::arguments());
}
