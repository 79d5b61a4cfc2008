#include "common/batch/batchjob.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "common/core/correction.h"
#include "common/core/drivec.h"
#include "common/core/messages.h"
#include "common/core/number.h"
#include "common/core/settingsfile.h"
#include "common/core/startup.h"

bool isBatchCommandLine(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].startsWith(u'-')) return true;
    }
    return false;
}

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
            if (!value(options.copies)) return QStringLiteral("Falta el número tras --copies");
            QString problem;
            if (!jobselection::parseCopies(options.copies, problem)) return problem;
        } else if (arg == QLatin1String("--correction-from")) {
            if (!value(options.correctionFrom))
                return QStringLiteral("Faltan las medidas tras --correction-from");
            QString problem;
            if (!correction::parseMeasures(options.correctionFrom, problem)) return problem;
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
    if (!options.help && !options.version && options.pdf.isEmpty()) {
        return QStringLiteral("Falta --pdf ARCHIVO.pdf");
    }
    return {};
}

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

namespace {

// The options both programs take, and what the job writes, after each
// program's own part of --help.
QString helpText(const BatchProgram& program) {
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

// Keeps the labels --labels and --copies name, in their order; the problem
// in Spanish when a number is past the labels generated.
QString selectLabels(const BatchOptions& options, const BatchProgram& program, qint64 count) {
    if (options.labels.isEmpty() && options.copies == QLatin1String("1")) return {};
    QString problem;
    const int copies = jobselection::parseCopies(options.copies, problem).value_or(1);
    if (options.labels.isEmpty()) {
        program.select(jobselection::everyLabel(count, copies));
        return {};
    }
    const auto numbers = jobselection::parseNumbers(options.labels, count, problem);
    if (!numbers) return problem;
    program.select(jobselection::ofNumbers(*numbers, copies));
    return {};
}

// The PDF of the job, through the correction --correction-from measured;
// the problem in Spanish when the measures give none.
QString correctedPdf(const BatchOptions& options, const BatchProgram& program, PdfSurface& pdf,
                     std::shared_ptr<DrawingSurface>& surface) {
    surface = std::shared_ptr<DrawingSurface>(&pdf, [](DrawingSurface*) {});
    if (options.correctionFrom.isEmpty()) return {};
    QString problem;
    const auto measures = correction::parseMeasures(options.correctionFrom, problem);
    // The page of a PDF is the paper: its drawing area starts at the corner.
    const correction::Fit fit = correction::fit(*measures, program.crosses(), 0, 0);
    if (!fit.printer) return fit.problem;
    surface = correction::corrected(surface, fit.printer, 0, 0);
    return {};
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

int runBatchJob(const QStringList& arguments, const BatchProgram& program, QTextStream& out,
                QTextStream& err) {
    BatchOptions options;
    const QString problem = parseBatchOptions(arguments, program.withFontSize, options);
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
    FirstSheet first(program.placesPerSheet);
    if (const QString wrong = firstSheetOf(options, program.placesPerSheet, first);
        !wrong.isEmpty()) {
        err << wrong << "\n";
        return kBatchUsage;
    }
    PdfSurface pdf(options.pdf, options.paper);  // nothing is written before the walk
    std::shared_ptr<DrawingSurface> job;
    if (const QString wrong = correctedPdf(options, program, pdf, job); !wrong.isEmpty()) {
        err << wrong << "\n";
        return kBatchUsage;
    }
    if (options.testSheet) return writePdf(testsheet::walk(program.crosses()), *job, first, err);

    const generation::Report report = generation::run(
        loadSettings(drivec::settingsFile()), generation::SaveSettings::No, program.generate);
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
    if (const QString wrong = selectLabels(options, program, report.labelCount); !wrong.isEmpty()) {
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
    bool found = false;
    checkBeforePrinting(
        program.check(options, first), pdf, [&](const QString& text) { err << text << "\n"; },
        [&](const std::vector<labelcheck::Finding>& findings) {
            for (const QString& line : labelcheck::findingLines(findings)) err << line << "\n";
            found = true;
            return true;
        });
    err.flush();
    if (found && options.strict) return kBatchCheckFailed;
    return writePdf(program.printWalk(options), *job, first, err);
}

int runWithoutWindow(int argc, char** argv, int (*job)(const QStringList& arguments)) {
#ifndef Q_OS_WIN
    // No display is needed. On Windows the native platform needs none either,
    // and only it knows the system's fonts: Qt's offscreen platform there
    // looks for fonts in a folder of its own and draws boxes without them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // Standard error carries the job's own messages; Qt's notes about the
    // session (no runtime folder, no display) would only confuse a script.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(msg));
        }
    });
    QGuiApplication app(argc, argv);
    setUpApplication(app);
    return job(QCoreApplication::arguments());
}
