#include "batch.h"

#include <QTextStream>

#include "batchoptions.h"
#include "fullgeneration.h"
#include "fullwalk.h"

namespace fichas {
namespace {

const char* const kHelp =
    "Uso: fichas --pdf ARCHIVO.pdf [--paper a4|letter]\n"
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
    "  --help              muestra esta ayuda\n"
    "\n"
    "Escribe \"Se han generado n etiquetas\" en la salida estándar. Si falta\n"
    "información, no se puede leer el archivo de etiquetas o no se puede escribir\n"
    "el PDF, escribe el aviso en la salida de errores y termina con un estado\n"
    "distinto de 0. Si los datos de los ejemplares no coinciden, lo avisa en la\n"
    "salida de errores y sigue.\n";

}  // namespace

int runBatch(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    BatchRun run;
    if (int status = startBatch(arguments, /*withFontSize=*/false, QString::fromUtf8(kHelp), out, err, run);
        status >= 0) {
        return status;
    }
    const FullGeneration generated = generateFullLabels(run.printFile);
    if (int status = reportGeneration(printfile::readable(generated.status), generated.labelCount,
                                      run.printFile, out, err);
        status >= 0) {
        return status;
    }
    // Lists out of step are printed all the same, with a warning.
    const QString warning = mismatchWarning(generated);
    if (!warning.isEmpty()) err << warning << "\n";
    err.flush();
    PdfSurface pdf(run.options.pdf, run.options.paper);
    int contador = 0;
    return finishBatch(printFullSheets(generated, pdf, contador), pdf, err);
}

}  // namespace fichas
