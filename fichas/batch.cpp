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
    "              [--labels LISTA] [--copies N] [--correction-from MEDIDAS]\n"
    "              [--strict]\n"
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
    "  --test-sheet        escribe la hoja de prueba de los 36 sitios en lugar de\n"
    "                      las etiquetas (no necesita configuración)\n";

}  // namespace

int runBatch(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    FullGeneration labels;
    BatchProgram program;
    program.name = QStringLiteral("fichas");
    program.help = QString::fromUtf8(kHelp);
    program.helpNote = QStringLiteral(
        "Si los datos de los ejemplares no coinciden, lo avisa en la salida de errores\n"
        "y sigue.\n");
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
    program.crosses = [] { return testPositions(printedPlaces()); };
    return runBatchJob(arguments, program, out, err);
}

}  // namespace fichas
