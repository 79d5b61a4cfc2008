#include "common/batch/batchjob.h"

#include <QGuiApplication>
#include <QTextStream>

#include "common/core/sheets/catalogue.h"
#include "common/core/correction/correction.h"
#include "common/core/files/drivec.h"
#include "common/core/program/labelprogram.h"
#include "common/core/text/messages.h"
#include "common/core/text/number.h"
#include "common/core/files/settingsfile.h"
#include "common/core/program/startup.h"
#include "common/core/sheets/stockchoice.h"
#include "common/paint/paintersurface.h"

bool isBatchCommandLine(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].startsWith(u'-')) return true;
    }
    return false;
}

namespace {

struct BatchOptions {
    QString pdf;
    QString fontSize = QStringLiteral("8");
    PdfSurface::Paper paper = PdfSurface::Paper::A4;
    QString start = QStringLiteral("1");
    QString skip;    // places separated by commas
    QString labels;  // the labels to print, by number ("2,5-6"); empty: all
    int copies = 1;
    std::vector<correction::Measure> measures;  // --correction-from
    std::optional<QString> stock;               // --stock NAME
    std::optional<QString> listStocks;          // --list-stocks [TEXT]
    bool testSheet = false;
    bool strict = false;
    bool help = false;
    bool version = false;
};

// Reads the options after the program's name. Returns the problem in
// Spanish, or an empty text when the line is fine. `--font-size` is taken
// only when `withFontSize` is set.
QString parseBatchOptions(const QStringList& arguments, bool withFontSize, BatchOptions& options) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        auto value = [&](QString& into) -> bool {
            if (i + 1 >= arguments.size()) return false;
            into = arguments[++i];
            return true;
        };
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.help = true;
        } else if (arg == QLatin1String("--version")) {
            options.version = true;
        } else if (arg == QLatin1String("--pdf")) {
            if (!value(options.pdf))
                return QStringLiteral("Falta el nombre del archivo tras --pdf");
        } else if (withFontSize && arg == QLatin1String("--font-size")) {
            if (!value(options.fontSize)) return QStringLiteral("Falta el tamaño tras --font-size");
            const auto size = parseNumber(options.fontSize);
            if (!size || *size <= 0) {
                return QStringLiteral("Tamaño de letra no válido: %1").arg(options.fontSize);
            }
        } else if (arg == QLatin1String("--start")) {
            if (!value(options.start)) return QStringLiteral("Falta la etiqueta tras --start");
        } else if (arg == QLatin1String("--skip")) {
            if (!value(options.skip)) return QStringLiteral("Falta la lista tras --skip");
        } else if (arg == QLatin1String("--labels")) {
            if (!value(options.labels)) return QStringLiteral("Falta la lista tras --labels");
            QString problem;
            if (!jobselection::parseNumbers(options.labels, -1, problem)) return problem;
        } else if (arg == QLatin1String("--copies")) {
            QString copies, problem;
            if (!value(copies)) return QStringLiteral("Falta el número tras --copies");
            const auto read = jobselection::parseCopies(copies, problem);
            if (!read) return problem;
            options.copies = *read;
        } else if (arg == QLatin1String("--correction-from")) {
            QString measures, problem;
            if (!value(measures))
                return QStringLiteral("Faltan las medidas tras --correction-from");
            const auto read = correction::parseMeasures(measures, problem);
            if (!read) return problem;
            options.measures = *read;
        } else if (arg == QLatin1String("--stock")) {
            QString name;
            if (!value(name)) return QStringLiteral("Falta el nombre de la hoja tras --stock");
            options.stock = name;
        } else if (arg == QLatin1String("--list-stocks")) {
            const bool text = i + 1 < arguments.size() && !arguments[i + 1].startsWith(u'-');
            options.listStocks = text ? arguments[++i] : QString();
        } else if (arg == QLatin1String("--test-sheet")) {
            options.testSheet = true;
        } else if (arg == QLatin1String("--strict")) {
            options.strict = true;
        } else if (arg == QLatin1String("--paper")) {
            QString paper;
            if (!value(paper)) return QStringLiteral("Falta el papel tras --paper");
            if (paper.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0) {
                options.paper = PdfSurface::Paper::A4;
            } else if (paper.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0) {
                options.paper = PdfSurface::Paper::Letter;
            } else {
                return QStringLiteral("Papel no válido: %1 (a4 o letter)").arg(paper);
            }
        } else {
            return QStringLiteral("Opción desconocida: %1").arg(arg);
        }
    }
    if (!options.help && !options.version && !options.listStocks && options.pdf.isEmpty()) {
        return QStringLiteral("Falta --pdf ARCHIVO.pdf");
    }
    return {};
}

// The first sheet that --start and --skip describe, on a sheet of `places`;
// the problem in Spanish when a place is not one of the sheet or none is
// left free.
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
    return first.hasFreePlace() ? QString() : messages::kNoFreePlace;
}

// The options both programs take, and what the job writes, after each
// program's own part of --help.
QString helpText(const LabelProgram& program) {
    return program.help +
           QStringLiteral(
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

// The labels --labels and --copies name, in their order, or none for every
// label once; the problem in Spanish when a number is past the labels
// generated.
QString selectionOf(const BatchOptions& options, qint64 count,
                    std::optional<jobselection::Selection>& selection) {
    if (options.labels.isEmpty()) {
        if (options.copies != 1) selection = jobselection::everyLabel(count, options.copies);
        return {};
    }
    QString problem;
    const auto numbers = jobselection::parseNumbers(options.labels, count, problem);
    if (numbers) selection = jobselection::ofNumbers(*numbers, options.copies);
    return problem;
}

// The PDF of the job, through the correction --correction-from measured;
// the problem in Spanish when the measures give none.
QString correctedPdf(const BatchOptions& options, const LabelProgram& program,
                     const JobSettings& settings, PdfSurface& pdf,
                     std::shared_ptr<DrawingSurface>& surface) {
    surface = std::shared_ptr<DrawingSurface>(&pdf, [](DrawingSurface*) {});
    if (options.measures.empty()) return {};
    // The page of a PDF is the paper: its drawing area starts at the corner.
    const correction::Fit fit = correction::fit(options.measures, program.crosses(settings), 0, 0);
    if (!fit.distortion) return fit.problem;
    surface = correction::corrected(surface, fit.distortion, 0, 0);
    return {};
}

// --stock: the stock named, from those the user typed and the catalogue;
// the problem in Spanish when there is none of that name.
QString stockOf(const BatchOptions& options, JobSettings& settings) {
    if (!options.stock) return {};
    settings.stock = stockchoice::find(*options.stock, catalogue::read(catalogue::folder()));
    if (settings.stock) return {};
    return QStringLiteral(
               "La hoja «%1» no está en el catálogo ni entre las que escribió en \"Otra "
               "hoja…\"; --list-stocks TEXTO escribe las que hay.")
        .arg(*options.stock);
}

// --list-stocks: the stocks that `text` describes, a line each.
int listStocks(const QString& text, QTextStream& out, QTextStream& err) {
    const catalogue::Catalogue catalogue = catalogue::read(catalogue::folder());
    std::vector<const Stock*> found = catalogue::search(catalogue, text);
    const std::vector<Stock> typed = stockchoice::typed();
    for (const Stock& stock : typed) {
        if (stock.name.contains(text, Qt::CaseInsensitive)) found.push_back(&stock);
    }
    for (const Stock* stock : found) {
        out << stock->name << "\t" << stock->summary() << "\t" << stock->description << "\n";
    }
    err << QStringLiteral("%1 hojas en el catálogo (%2 que no se pueden imprimir se omiten: %3 "
                          "redondas o de CD, %4 de varias rejillas, %5 mal descritas); %6 suyas.\n")
               .arg(catalogue.stocks.size())
               .arg(catalogue.skipped())
               .arg(catalogue.skippedShapes)
               .arg(catalogue.skippedLayouts)
               .arg(catalogue.skippedInvalid)
               .arg(typed.size());
    return kBatchOk;
}

// Draws `walk` into the PDF. Returns the exit status.
int writePdf(const LabelWalk& walk, DrawingSurface& pdf, const FirstSheet& first,
             QTextStream& err) {
    const PrintOutcome outcome = printSheets(walk, pdf, first);
    if (outcome.printed) return kBatchOk;
    err << "No se pudo escribir el PDF: " << outcome.reason << "\n";
    return kBatchPdfNotWritten;
}

}  // namespace

int runBatchJob(const QStringList& arguments, const LabelProgram& program, QTextStream& out,
                QTextStream& err) {
    BatchOptions options;
    const QString problem = parseBatchOptions(arguments, program.takesFontSize, options);
    if (options.version) {
        out << program.name << " " << ETIQUETAS_VERSION << "\n";
        return kBatchOk;
    }
    if (options.help) {
        out << helpText(program);
        return kBatchOk;
    }
    if (!problem.isEmpty()) {
        err << problem << "\n" << helpText(program);
        return kBatchUsage;
    }
    if (options.listStocks) return listStocks(*options.listStocks, out, err);
    JobSettings settings{options.fontSize, stockchoice::chosen(program.name)};
    if (const QString wrong = stockOf(options, settings); !wrong.isEmpty()) {
        err << wrong << "\n";
        return kBatchUsage;
    }
    FirstSheet first(program.shapeOf(settings).places());
    if (const QString wrong = firstSheetOf(options, first.size(), first); !wrong.isEmpty()) {
        err << wrong << "\n";
        return kBatchUsage;
    }
    // A stock's PDF is its paper; nothing is written before the walk.
    PdfSurface pdf(options.pdf, settings.stock ? pageSizeOf(*settings.stock)
                                               : PdfSurface::pageSize(options.paper));
    std::shared_ptr<DrawingSurface> surface;
    if (const QString wrong = correctedPdf(options, program, settings, pdf, surface);
        !wrong.isEmpty()) {
        err << wrong << "\n";
        return kBatchUsage;
    }
    if (options.testSheet) {
        return writePdf(testsheet::walk(program.crosses(settings)), *surface, first, err);
    }

    std::unique_ptr<GeneratedLabels> labels;
    const generation::Report report =
        generation::run(loadSettings(drivec::settingsFile()), generation::SaveSettings::No,
                        [&](const QString& printFile) {
                            labels = program.generate(printFile);
                            return labels->summary();
                        });
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
    std::optional<jobselection::Selection> selection;
    if (const QString wrong = selectionOf(options, report.labelCount, selection);
        !wrong.isEmpty()) {
        err << wrong << "\n";
        return kBatchUsage;
    }
    out << report.status << "\n";
    out.flush();
    // A warning about the labels does not stop the job.
    for (const QString& notice : report.notices) err << notice << "\n";
    err.flush();

    // The findings go to standard error; the PDF is written all the same
    // unless --strict.
    const std::unique_ptr<LabelJob> job = labels->job(selection ? &*selection : nullptr, settings);
    bool found = false;
    checkBeforePrinting(
        job->check(first), pdf, [&](const QString& text) { err << text << "\n"; },
        [&](const std::vector<labelcheck::Finding>& findings) {
            for (const QString& line : labelcheck::findingLines(findings)) err << line << "\n";
            found = true;
            return true;
        });
    err.flush();
    if (found && options.strict) return kBatchCheckFailed;
    return writePdf(job->printWalk(), *surface, first, err);
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
    setUpApplication(app);
    return job(QCoreApplication::arguments());
}
