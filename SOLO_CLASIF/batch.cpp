#include "batch.h"

#include <QTextStream>

#include "batchoptions.h"
#include "coordinates.h"
#include "drivec.h"
#include "generation.h"
#include "paintersurface.h"
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
    BatchRun run;
    if (int status = startBatch(arguments, /*withFontSize=*/true, QString::fromUtf8(kHelp), out, err, run);
        status >= 0) {
        return status;
    }
    const SpineGeneration generated = generateSpineLabels(run.printFile);
    if (int status = reportGeneration(printfile::readable(generated.status), generated.labelCount,
                                      run.printFile, out, err);
        status >= 0) {
        return status;
    }
    const CoordinateTable table = readCoordinateFile(drivec::coordinateFile());
    PdfSurface pdf(run.options.pdf, run.options.paper);
    int contador = 0;
    return finishBatch(printSpineSheets(generated.lstClasify, table, run.options.fontSize, pdf, contador),
                       pdf, err);
}
