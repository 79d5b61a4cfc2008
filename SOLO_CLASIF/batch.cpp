#include "batch.h"

#include <QTextStream>

#include "batchoptions.h"
#include "coordinates.h"
#include "drivec.h"
#include "generation.h"
#include "messages.h"
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

}  // namespace

int runBatch(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    BatchOptions options;
    const QString problem = parseBatchOptions(arguments, /*withFontSize=*/true, options);
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
        err << messages::kMissingSettings << "\n";
        return kBatchMissingSettings;
    }
    const QString printFile =
        drivec::printFile(settings.clientDirectory, settings.administrativeBase);
    const SpineGeneration generated = generateSpineLabels(printFile);
    if (!printfile::readable(generated.status)) {
        err << messages::unreadablePrintFile(printFile) << "\n";
        return kBatchUnreadablePrintFile;
    }
    out << messages::generated(generated.labelCount) << "\n";
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
