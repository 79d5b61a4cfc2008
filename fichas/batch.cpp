#include "fichas/batch.h"

#include <QTextStream>

#include "common/batch/batchjob.h"
#include "fichas/core/fullcheck.h"
#include "fichas/core/fullgeneration.h"
#include "fichas/core/fullwalk.h"

namespace fichas {
namespace {

const char* const kHelp =
    "Uso: fichas --pdf ARCHIVO.pdf [--paper a4|letter] [--start N] [--skip LISTA]\n"
    "              [--labels LISTA] [--copies N] [--strict]\n"
    "       fichas --pdf ARCHIVO.pdf --test-sheet [--paper a4|letter]\n"
    "\n"
    "Genera las etiquetas completas (código de barras, clasificación, autor y\n"
    "título) sin abrir ninguna ventana, igual que al pulsar \"Generar Etiquetas\"\n"
    "y luego \"Imprimir\", pero las guarda en un archivo PDF, 36 por hoja.\n"
    "\n"
    "Toma el directorio cliente y la base administrativa del archivo de\n"
    "configuración (ini.prn) y lee el archivo de etiquetas itemlbl.prn.\n"
    "\n"
    "Opciones:\n"
    "  --pdf ARCHIVO.pdf   archivo PDF que se crea (se reemplaza si existe)\n"
    "  --paper a4|letter   tamaño del papel (a4 si no se indica)\n"
    "  --start N           empieza en la etiqueta N (1 a 36) de la primera hoja\n"
    "  --skip LISTA        deja vacías en la primera hoja las etiquetas de la lista,\n"
    "                      separadas por comas (por ejemplo 3,7,12)\n"
    "  --labels LISTA      imprime solo las etiquetas de la lista, en ese orden:\n"
    "                      números desde 1 separados por comas, o intervalos\n"
    "                      (por ejemplo 2,5-6)\n"
    "  --copies N          imprime N copias de cada etiqueta, seguidas (1 a 99)\n"
    "  --strict            no escribe el PDF si alguna etiqueta no cabe (estado 5)\n"
    "  --test-sheet        escribe la hoja de prueba de los 36 sitios en lugar de\n"
    "                      las etiquetas (no necesita configuración)\n"
    "  --help              muestra esta ayuda\n"
    "  --version           muestra la versión\n"
    "\n"
    "Escribe \"Se han generado n etiquetas\" en la salida estándar. Si falta\n"
    "información, no se puede leer el archivo de etiquetas o no se puede escribir\n"
    "el PDF, escribe el aviso en la salida de errores y termina con el estado 2, 3\n"
    "o 4 respectivamente (1 si la orden está mal escrita). Si los datos de los\n"
    "ejemplares no coinciden, lo avisa en la salida de errores y sigue. Antes de\n"
    "escribir el PDF comprueba que cada etiqueta cabe en su sitio y escribe lo que\n"
    "no cabe en la salida de errores.\n";

}  // namespace

int runBatch(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    FullGeneration labels;
    BatchProgram program;
    program.name = QStringLiteral("fichas");
    program.help = QString::fromUtf8(kHelp);
    program.generate = [&labels](const QString& printFile) {
        labels = generateFullLabels(printFile);
        // Lists out of step are printed all the same, with the warning.
        return generation::Generated{labels.labelCount, labels.status, mismatchWarning(labels)};
    };
    program.select = [&labels](const jobselection::Selection& selection) {
        labels = selectFullLabels(labels, selection);
    };
    program.placesPerSheet = kFullSheet.places();
    program.printWalk = [&labels](const BatchOptions&) {
        return fullWalk(labels, printedPlaces());
    };
    program.check = [&labels](const BatchOptions&, const FirstSheet& first) {
        return [&labels, first](DrawingSurface& surface) {
            return checkFullLabels(labels, printedPlaces(), first, surface);
        };
    };
    program.testSheet = [] { return testsheet::walk(testPositions(printedPlaces())); };
    return runBatchJob(arguments, program, out, err);
}

}  // namespace fichas
