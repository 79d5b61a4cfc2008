#include "lomos/program.h"

#include <optional>

#include "lomos/core/coordinates.h"
#include "lomos/core/spinecheck.h"
#include "lomos/core/spinegeneration.h"
#include "lomos/core/spinewalk.h"

namespace lomos {
namespace {

const char* const kHelp =
    "Uso: lomos --pdf ARCHIVO.pdf [--font-size N] [--paper a4|letter]\n"
    "             [--start N] [--skip LISTA] [--labels LISTA] [--copies N]\n"
    "             [--correction-from MEDIDAS] [--stock HOJA] [--strict]\n"
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
    "  --font-size N       tamaño de la letra en puntos (8 si no se indica)\n"
    "  --paper a4|letter   tamaño del papel (a4 si no se indica)\n"
    "  --start N           empieza en la etiqueta N (1 a 33) de la primera hoja\n"
    "  --test-sheet        escribe la hoja de prueba de las 33 posiciones en lugar\n"
    "                      de las etiquetas (no necesita configuración)\n";

// A job of spine labels: the coordinate file is read when it is made, as
// every print and preview reads it afresh.
class SpineJob : public LabelJob {
public:
    SpineJob(const SpineGeneration& generated, std::optional<SpineGeneration> selected,
             const JobSettings& settings)
        : m_selected(std::move(selected)),
          m_labels(m_selected ? *m_selected : generated),
          m_table(coordinatesOf(settings.stock)),
          m_fontSize(settings.fontSize),
          m_stock(settings.stock) {}

    LabelWalk printWalk() const override {
        return spineWalk(m_labels.callNumberLines, m_table, m_fontSize, kPrinterFace);
    }
    LabelWalk previewWalk() const override {
        return spineWalk(m_labels.callNumberLines, m_table, m_fontSize, kPreviewFace);
    }
    // Checked as it will print, in the printer's face, for the preview too.
    labelcheck::Check check(const FirstSheet& first) const override {
        return [this, first](DrawingSurface& surface) {
            return checkSpineLabels(m_labels.callNumberLines, m_labels.cutLabels, m_table,
                                    m_fontSize, kPrinterFace, first, surface,
                                    m_stock ? &*m_stock : nullptr);
        };
    }

private:
    std::optional<SpineGeneration> m_selected;  // the labels chosen, when not all as generated
    const SpineGeneration& m_labels;
    CoordinateTable m_table;
    QString m_fontSize;
    std::optional<Stock> m_stock;
};

// The call numbers "Generar" built (lstClasify); the review shows each label
// as one field, its lines.
class SpineLabels : public GeneratedLabels {
public:
    explicit SpineLabels(SpineGeneration generated)
        : m_generated(std::move(generated)),
          m_starts(labellist::labelStarts(m_generated.callNumberLines)) {}

    qint64 count() const override { return qint64(m_starts.size()); }
    review::Fields fields(qint64 label) const override {
        return {labellist::linesOf(m_generated.callNumberLines, m_starts, label)};
    }
    std::vector<review::FieldRule> rules() const override {
        // The walk prints 30 characters of a line: the edit keeps within them.
        return {
            {QStringLiteral("Clasificación"), labellist::kMaxCallNumberLines, {kMaxLineLength}}};
    }
    generation::Generated summary() const override {
        return {m_generated.labelCount, m_generated.status, {}};
    }
    std::unique_ptr<LabelJob> job(const jobselection::Selection* selection,
                                  const JobSettings& settings) const override {
        std::optional<SpineGeneration> selected;
        if (selection) selected = selectSpineLabels(m_generated, *selection);
        return std::make_unique<SpineJob>(m_generated, std::move(selected), settings);
    }

private:
    SpineGeneration m_generated;
    std::vector<qsizetype> m_starts;
};

LabelProgram describe() {
    LabelProgram p;
    p.name = QStringLiteral("lomos");
    p.sheet = kSpineSheet;
    p.ownSheetName = QStringLiteral("La hoja de siempre: 33 etiquetas de lomo, en las posiciones "
                                    "de \"Configurar\"");
    p.window = {14.25, false, QString(), QStringLiteral("Continuar")};
    p.help = QString::fromUtf8(kHelp);
    p.takesFontSize = true;
    p.generate = [](const QString& printFile) -> std::unique_ptr<GeneratedLabels> {
        return std::make_unique<SpineLabels>(generateSpineLabels(printFile));
    };
    p.crosses = [](const JobSettings& settings) {
        return testPositions(coordinatesOf(settings.stock),
                             settings.stock ? settings.stock->shape() : kSpineSheet);
    };
    return p;
}

}  // namespace

const LabelProgram& program() {
    static const LabelProgram lomos = describe();
    return lomos;
}

}  // namespace lomos
