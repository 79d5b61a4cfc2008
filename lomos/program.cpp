#include "lomos/program.h"

#include <QCoreApplication>
#include <optional>

#include "common/core/text/codepage.h"
#include "lomos/core/coordinates.h"
#include "lomos/core/spinecheck.h"
#include "lomos/core/spinegeneration.h"
#include "lomos/core/spinewalk.h"

namespace lomos {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(lomos)
};

QString help(LabelGrid grid) {
    return Text::tr(
               "Uso: lomos --pdf ARCHIVO.pdf [--font-size N] [--paper a4|letter]\n"
               "             [--start N] [--skip LISTA] [--labels LISTA] [--copies N]\n"
               "             [--correction-from MEDIDAS] [--stock HOJA] [--strict]\n"
               "             [--add-label CLASIFICACIÓN ...]\n"
               "       lomos --pdf ARCHIVO.pdf --test-sheet [--paper a4|letter] [--stock HOJA]\n"
               "       lomos --list-stocks [TEXTO]\n"
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
               "  --font-size N       tamaño de la letra en puntos, de 4 a 72 (8 si no se indica)\n"
               "  --paper a4|letter   tamaño del papel (a4 si no se indica)\n"
               "  --start N           empieza en la etiqueta N (1 a %1) de la primera hoja\n"
               "  --test-sheet        escribe la hoja de prueba de las %1 posiciones en lugar\n"
               "                      de las etiquetas (no necesita configuración)\n"
               "  --add-label \"CLASIFICACIÓN\"\n"
               "                      una etiqueta escrita a mano, cortada como al generar;\n"
               "                      puede repetirse, y entonces no se lee el archivo de\n"
               "                      etiquetas\n")
        .arg(grid.places());
}

// A job of spine labels: the coordinate file is read when it is made, as
// every print and preview reads it afresh.
class SpineJob : public LabelJob {
public:
    SpineJob(std::shared_ptr<const SpineGeneration> labels, const JobSettings& settings)
        : m_labels(std::move(labels)),
          m_table(coordinatesOf(settings.stock)),
          m_saved(coordinatesSaved(settings.stock)),
          m_printed{settings.fontSize, lookOf(settings.design.spine, kPrinterFace), settings.stock},
          m_previewed{settings.fontSize, lookOf(settings.design.spine, kPreviewFace),
                      settings.stock} {}

    LabelWalk printWalk() const override { return walk(m_printed); }
    LabelWalk previewWalk() const override { return walk(m_previewed); }
    // Checked as it will print, in the printer's face, for the preview too.
    labelcheck::Check check(const FirstSheet& first) const override {
        return [labels = m_labels, table = m_table, saved = m_saved, printed = m_printed,
                first](DrawingSurface& surface) {
            labelcheck::Result result = checkSpineLabels(
                labels->callNumberLines, labels->cutLabels, table, printed.fontSizeText,
                printed.look, first, surface, printed.stock ? &*printed.stock : nullptr);
            std::vector<labelcheck::Finding> found = checkCoordinates(table, saved);
            found.insert(found.end(), result.findings.begin(), result.findings.end());
            result.findings = std::move(found);
            return result;
        };
    }

private:
    LabelWalk walk(const SpineDrawing& drawing) const {
        return spineWalk({m_labels, &m_labels->callNumberLines}, m_table, drawing);
    }

    std::shared_ptr<const SpineGeneration> m_labels;
    CoordinateTable m_table;
    bool m_saved;  // the coordinate file was there
    SpineDrawing m_printed;
    SpineDrawing m_previewed;
};

// The call numbers "Generar" built (lstClasify); the review shows each label
// as one field, its lines.
class SpineLabels : public GeneratedLabels {
public:
    explicit SpineLabels(SpineGeneration generated)
        : m_generated(std::make_shared<const SpineGeneration>(std::move(generated))),
          m_starts(labellist::labelStarts(m_generated->callNumberLines)) {}

    qint64 count() const override { return qint64(m_starts.size()); }
    review::Fields fields(qint64 label) const override {
        return {labellist::linesOf(m_generated->callNumberLines, m_starts, label)};
    }
    Summary summary() const override {
        return {.labelCount = m_generated->labelCount, .status = m_generated->status};
    }
    std::unique_ptr<GeneratedLabels> plus(QIODevice& more,
                                          const design::Design& design) const override {
        return std::make_unique<SpineLabels>(joined(*m_generated, more, design));
    }
    std::unique_ptr<LabelJob> job(const jobselection::Choice& choice,
                                  const JobSettings& settings) const override {
        if (!choice) return std::make_unique<SpineJob>(m_generated, settings);
        return std::make_unique<SpineJob>(
            std::make_shared<const SpineGeneration>(selectSpineLabels(*m_generated, *choice)),
            settings);
    }

private:
    std::shared_ptr<const SpineGeneration> m_generated;
    std::vector<qsizetype> m_starts;
};

}  // namespace

LabelProgram program() {
    return {
        .name = QStringLiteral("lomos"),
        .ownGrid = kSpineSheet,
        .ownSheetName = Text::tr("La hoja de siempre: 33 etiquetas de lomo, en las posiciones "
                                 "de \"Configurar\""),
        .window = {.statusPoints = 14.25,
                   .printerDialog = false,
                   .continueTitle = QString(),
                   .continueText = Text::tr("Continuar")},
        .help = help,
        .takesFontSize = true,
        .generate = [](const QString& printFile,
                       const design::Design& design) -> std::unique_ptr<GeneratedLabels> {
            return std::make_unique<SpineLabels>(generateSpineLabels(printFile, design));
        },
        .generateFrom = [](QIODevice& printFile,
                           const design::Design& design) -> std::unique_ptr<GeneratedLabels> {
            return std::make_unique<SpineLabels>(generateSpineLabels(printFile, design));
        },
        .designShapesLabels = true,
        // In the code page the client writes call numbers in.
        .typedItem = [](const QStringList& fields) {
            return "<section-02>\r\n<z30-call-no>" + codepage::encode(fields.value(0)) +
                   "</z30-call-no>\r\n</section-02>\r\n";
        },
        // The walk prints 30 characters of a line: the edit keeps within
        // them, and within the lines of the call number and of the other
        // tags the design shows.
        .reviewRules =
            [](const design::Design& design) {
                return std::vector<review::FieldRule>{
                    {Text::tr("Clasificación"),
                     labellist::kMaxCallNumberLines + design.spine.tagLineCount(),
                     {kMaxLineLength}}};
            },
        .crosses =
            [](const JobSettings& settings) {
                return testPositions(coordinatesOf(settings.stock),
                                     settings.stock ? settings.stock->grid() : kSpineSheet);
            },
    };
}

}  // namespace lomos
