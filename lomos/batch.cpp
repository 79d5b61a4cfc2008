#include "lomos/batch.h"

#include <QTextStream>

#include "common/batch/batchjob.h"
#include "common/core/drivec.h"
#include "lomos/core/coordinates.h"
#include "lomos/core/spinecheck.h"
#include "lomos/core/spinegeneration.h"
#include "lomos/core/spinewalk.h"

namespace lomos {
namespace {

const char* const kHelp =
    "Uso: lomos --pdf ARCHIVO.pdf [--font-size N] [--paper a4|letter]\n"
    "             [--start N] [--skip LISTA] [--labels LISTA] [--copies N]\n"
    "             [--correction-from MEDIDAS] [--strict]\n"
    "       lomos --pdf ARCHIVO.pdf --test-sheet [--paper a4|letter]\n"
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
    "  --start N           empieza en la etiqueta N (1 a 33) de la primera hoja\n"
    "  --test-sheet        escribe la hoja de prueba de las 33 posiciones en lugar\n"
    "                      de las etiquetas (no necesita configuración)\n";

}  // namespace

int runBatch(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    SpineGeneration labels;
    CoordinateTable table;
    BatchProgram program;
    program.name = QStringLiteral("lomos");
    program.help = QString::fromUtf8(kHelp);
    program.withFontSize = true;
    program.generate = [&labels](const QString& printFile) {
        labels = generateSpineLabels(printFile);
        return generation::Generated{labels.labelCount, labels.status, {}};
    };
    program.select = [&labels](const jobselection::Selection& selection) {
        labels = selectSpineLabels(labels, selection);
    };
    program.placesPerSheet = kSpineSheet.places();
    program.printWalk = [&](const BatchOptions& options) {
        table = readCoordinateFile(drivec::coordinateFile());  // as readCoordinates does
        return spineWalk(labels.callNumberLines, table, options.fontSize, kPrinterFace);
    };
    program.check = [&](const BatchOptions& options, const FirstSheet& first) {
        table = readCoordinateFile(drivec::coordinateFile());
        return [&, options, first](DrawingSurface& surface) {
            return checkSpineLabels(labels.callNumberLines, labels.cutLabels, table,
                                    options.fontSize, kPrinterFace, first, surface);
        };
    };
    program.crosses = [] { return testPositions(readCoordinateFile(drivec::coordinateFile())); };
    return runBatchJob(arguments, program, out, err);
}

}  // namespace lomos
