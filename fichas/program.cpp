#include "fichas/program.h"

#include <array>
#include <optional>

#include "fichas/core/fullcheck.h"
#include "fichas/core/fullgeneration.h"
#include "fichas/core/fullwalk.h"

namespace fichas {
namespace {

const char* const kHelp =
    "Uso: fichas --pdf ARCHIVO.pdf [--paper a4|letter] [--start N] [--skip LISTA]\n"
    "              [--labels LISTA] [--copies N] [--correction-from MEDIDAS]\n"
    "              [--stock HOJA] [--strict]\n"
    "       fichas --pdf ARCHIVO.pdf --test-sheet [--paper a4|letter] [--stock HOJA]\n"
    "       fichas --list-stocks [TEXTO]\n"
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

// A job of full labels at the sheet's places: the program's own sheet's,
// printed and previewed at places of their own, or a stock's.
class FullJob : public LabelJob {
public:
    FullJob(const FullGeneration& generated, std::optional<FullGeneration> selected,
            const std::optional<Stock>& stock)
        : m_selected(std::move(selected)),
          m_labels(m_selected ? *m_selected : generated),
          m_printed(stock ? stockPlaces(*stock) : printedPlaces()),
          m_previewed(stock ? m_printed : previewPlaces()) {}

    LabelWalk printWalk() const override { return fullWalk(m_labels, m_printed); }
    LabelWalk previewWalk() const override { return fullWalk(m_labels, m_previewed); }
    labelcheck::Check check(const FirstSheet& first) const override {
        return [this, first](DrawingSurface& surface) {
            return checkFullLabels(m_labels, m_printed, first, surface);
        };
    }

private:
    std::optional<FullGeneration> m_selected;  // the labels chosen, when not all as generated
    const FullGeneration& m_labels;
    SheetPlaces m_printed;
    SheetPlaces m_previewed;
};

// The four lists "Generar Etiquetas" built (lstBarras, lstClasify, lstAutor,
// lstTitulo); the review shows each label's four fields.
class FullLabels : public GeneratedLabels {
public:
    explicit FullLabels(FullGeneration generated) : m_generated(std::move(generated)) {
        for (int field = 0; field < kFieldCount; ++field)
            m_starts[size_t(field)] = labellist::labelStarts(m_generated.list(Field(field)));
    }

    qint64 count() const override { return m_generated.labelCount; }
    review::Fields fields(qint64 label) const override {
        review::Fields fields;
        for (int field = 0; field < kFieldCount; ++field) {
            fields.push_back(
                labellist::linesOf(m_generated.list(Field(field)), m_starts[size_t(field)], label));
        }
        return fields;
    }
    // What generation wraps each field to, and what the walk prints of it.
    std::vector<review::FieldRule> rules() const override {
        return {
            {QStringLiteral("Código de barras"), 1, {}},
            {QStringLiteral("Clasificación"), labellist::kMaxCallNumberLines, {kMaxCallNumberLine}},
            {QStringLiteral("Autor"), 2, {kAuthorLineLength}},
            {QStringLiteral("Título"), 2, {kTitleFirstLineLength, kTitleSecondLineLength}}};
    }
    // Lists out of step are printed all the same, with the warning.
    generation::Generated summary() const override {
        return {m_generated.labelCount, m_generated.status, mismatchWarning(m_generated)};
    }
    std::unique_ptr<LabelJob> job(const jobselection::Selection* selection,
                                  const JobSettings& settings) const override {
        std::optional<FullGeneration> selected;
        if (selection) selected = selectFullLabels(m_generated, *selection);
        return std::make_unique<FullJob>(m_generated, std::move(selected), settings.stock);
    }

private:
    FullGeneration m_generated;
    std::array<std::vector<qsizetype>, kFieldCount> m_starts;
};

LabelProgram describe() {
    LabelProgram p;
    p.name = QStringLiteral("fichas");
    p.sheet = kFullSheet;
    p.ownSheetName = QStringLiteral("La hoja de siempre: 36 etiquetas completas");
    p.window = {18, true, QStringLiteral("Mensaje:"), QStringLiteral("¿Continuar?")};
    p.help = QString::fromUtf8(kHelp);
    p.helpNote = QStringLiteral(
        "Si los datos de los ejemplares no coinciden, lo avisa en la salida de errores\n"
        "y sigue.\n");
    p.generate = [](const QString& printFile) -> std::unique_ptr<GeneratedLabels> {
        return std::make_unique<FullLabels>(generateFullLabels(printFile));
    };
    p.crosses = [](const JobSettings& settings) {
        return testPositions(settings.stock ? stockPlaces(*settings.stock) : printedPlaces());
    };
    return p;
}

}  // namespace

const LabelProgram& program() {
    static const LabelProgram fichas = describe();
    return fichas;
}

}  // namespace fichas
