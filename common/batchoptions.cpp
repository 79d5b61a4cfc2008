#include "batchoptions.h"

#include <QGuiApplication>
#include <cstdio>

#include "application.h"
#include "drivec.h"
#include "messages.h"
#include "settingsfile.h"
#include "number.h"

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
        } else if (arg == QLatin1String("--pdf")) {
            if (!value(options.pdf)) return QStringLiteral("Falta el nombre del archivo tras --pdf");
        } else if (withFontSize && arg == QLatin1String("--font-size")) {
            if (!value(options.fontSize)) return QStringLiteral("Falta el tamaño tras --font-size");
            const auto size = parseNumber(options.fontSize);
            if (!size || *size <= 0) {
                return QStringLiteral("Tamaño de letra no válido: %1").arg(options.fontSize);
            }
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
    if (!options.help && options.pdf.isEmpty()) return QStringLiteral("Falta --pdf ARCHIVO.pdf");
    return {};
}

int startBatch(const QStringList& arguments, bool withFontSize, const QString& help, QTextStream& out,
               QTextStream& err, BatchRun& run) {
    const QString problem = parseBatchOptions(arguments, withFontSize, run.options);
    if (run.options.help) {
        out << help;
        return kBatchOk;
    }
    if (!problem.isEmpty()) {
        err << problem << "\n" << help;
        return kBatchUsage;
    }
    const Settings settings = loadSettings(drivec::settingsFile());
    if (settings.clientDirectory.isEmpty() || settings.administrativeBase.isEmpty()) {
        err << messages::kMissingSettings << "\n";
        return kBatchMissingSettings;
    }
    run.printFile = drivec::printFile(settings.clientDirectory, settings.administrativeBase);
    return -1;
}

int reportGeneration(bool readable, qint64 labelCount, const QString& printFile, QTextStream& out,
                     QTextStream& err) {
    if (!readable) {
        err << messages::unreadablePrintFile(printFile) << "\n";
        return kBatchUnreadablePrintFile;
    }
    out << messages::generated(labelCount) << "\n";
    out.flush();
    return -1;
}

int finishBatch(bool printed, const DrawingSurface& pdf, QTextStream& err) {
    if (printed) return kBatchOk;
    err << "No se pudo escribir el PDF: " << pdf.error() << "\n";
    return kBatchPdfNotWritten;
}

int runWithoutWindow(int argc, char** argv, int (*job)(const QStringList& arguments)) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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
