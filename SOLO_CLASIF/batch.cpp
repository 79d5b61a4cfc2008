#include "batch.h"

#include <QTextStream>

#include "coordinates.h"
#include "drivec.h"
#include "generation.h"
#include "number.h"
#include "paintersurface.h"
#include "settingsfile.h"
#include "spinewalk.h"

namespace {

const char* const kHelp =
    "Uso: lomos --pdf ARCHIVO.pdf [--font-size N] [--paper a4|letter]\n"
    "\n"
    "Genera las etiquetas de lomo sin abrir ninguna ventana, igual que al pulsar\n"
    "\"Generar\" y luego \"Imprimir\", pero las guarda en un archivo PDF.\n"
    "\n"
    "Toma el directorio cliente y la base administrativa del archivo de\n"
    "configuración (ini.prn), lee el archivo de etiquetas itemlbl.prn y coloca\n"
    "cada etiqueta en la posición del archivo de coordenadas (cy.txt).\n"
    "\n"
    "Opciones:\n"
    "  --pdf ARCHIVO.pdf   archivo PDF que se crea (se reemplaza si existe)\n"
    "  --font-size N       tamaño de la letra en puntos (8 si no se indica)\n"
    "  --paper a4|letter   tamaño del papel (a4 si no se indica)\n"
    "  --help              muestra esta ayuda\n"
    "\n"
    "Escribe \"Se han generado n etiquetas\" en la salida estándar. Si falta\n"
    "información, no se puede leer el archivo de etiquetas o no se puede escribir\n"
    "el PDF, escribe el aviso en la salida de errores y termina con un estado\n"
    "distinto de 0.\n";

struct Options {
    QString pdf;
    QString fontSize = QStringLiteral("8");
    PdfSurface::Paper paper = PdfSurface::Paper::A4;
    bool help = false;
};

// Fills `options`; returns an error text, empty when the line is fine.
QString parse(const QStringList& arguments, Options& options) {
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
        } else if (arg == QLatin1String("--font-size")) {
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

}  // namespace

bool isBatchCommandLine(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].startsWith(QLatin1String("-"))) return true;
    }
    return false;
}

int runBatch(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    Options options;
    const QString problem = parse(arguments, options);
    if (options.help) {
        out << QString::fromUtf8(kHelp);
        return kBatchOk;
    }
    if (!problem.isEmpty()) {
        err << problem << "\n" << QString::fromUtf8(kHelp);
        return kBatchUsage;
    }

    const Settings settings = loadSettings(drivec::settingsFile());
    if (settings.clientDirectory.isEmpty() || settings.administrativeBase.isEmpty()) {
        err << "Falta especificar información\n";
        return kBatchMissingSettings;
    }
    const QString printFile =
        drivec::printFile(settings.clientDirectory, settings.administrativeBase);
    const SpineGeneration generated = generateSpineLabels(printFile);
    if (!printfile::readable(generated.status)) {
        err << unreadablePrintFileNotice(printFile) << "\n";
        return kBatchUnreadablePrintFile;
    }
    out << generatedCaption(generated.labelCount) << "\n";
    out.flush();

    const CoordinateTable table = readCoordinateFile(drivec::coordinateFile());
    PdfSurface pdf(options.pdf, options.paper);
    int contador = 0;
    if (!printSpineSheets(generated.lstClasify, table, options.fontSize, pdf, contador)) {
        err << "No se pudo escribir el PDF: " << pdf.error() << "\n";
        return kBatchPdfNotWritten;
    }
    return kBatchOk;
}
