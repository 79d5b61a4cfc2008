#include "fichas/program.h"

#include <QCoreApplication>
#include <array>
#include <optional>

#include "common/core/text/codepage.h"
#include "fichas/core/fullcheck.h"
#include "fichas/core/fullgeneration.h"
#include "fichas/core/fullwalk.h"

namespace fichas {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(fichas)
};

QString help(LabelGrid grid) {
    return Text::tr(
               "Uso: fichas --pdf ARCHIVO.pdf [--paper a4|letter] [--start N] [--skip LISTA]\n"
               "              [--labels LISTA] [--copies N] [--correction-from MEDIDAS]\n"
               "              [--stock HOJA] [--strict] [--add-label ETIQUETA ...]\n"
               "       fichas --pdf ARCHIVO.pdf --test-sheet [--paper a4|letter] [--stock HOJA]\n"
               "       fichas --list-stocks [TEXTO]\n"
               "\n"
               "Genera las etiquetas completas (código de barras, clasificación, autor y\n"
               "título) sin abrir ninguna ventana, igual que al pulsar \"Generar Etiquetas\"\n"
               "y luego \"Imprimir\", pero las guarda en un archivo PDF, %1 por hoja.\n"
               "\n"
               "Toma el directorio cliente y la base administrativa del archivo de\n"
               "configuración (ini.prn) y lee el archivo de etiquetas itemlbl.prn.\n"
               "\n"
               "Opciones:\n"
               "  --pdf ARCHIVO.pdf   archivo PDF que se crea (se reemplaza si existe)\n"
               "  --paper a4|letter   tamaño del papel (a4 si no se indica)\n"
               "  --start N           empieza en la etiqueta N (1 a %1) de la primera hoja\n"
               "  --test-sheet        escribe la hoja de prueba de los %1 sitios en lugar de\n"
               "                      las etiquetas (no necesita configuración)\n"
               "  --add-label \"CÓDIGO|CLASIFICACIÓN|AUTOR|TÍTULO\"\n"
               "                      una etiqueta escrita a mano, cortada como al generar;\n"
               "                      puede repetirse, y entonces no se lee el archivo de\n"
               "                      etiquetas\n")
        .arg(grid.places());
}

// A job of full labels at the sheet's places: the program's own sheet's,
// printed and previewed at places of their own, or a stock's.
class FullJob : public LabelJob {
public:
    FullJob(std::shared_ptr<const FullGeneration> labels, const std::optional<Stock>& stock)
        : m_labels(std::move(labels)),
          m_printed(stock ? stockPlaces(*stock) : printedPlaces()),
          m_previewed(stock ? m_printed : previewPlaces()) {}

    LabelWalk printWalk() const override { return fullWalk(m_labels, m_printed); }
    LabelWalk previewWalk() const override { return fullWalk(m_labels, m_previewed); }
    labelcheck::Check check(const FirstSheet& first) const override {
        return [labels = m_labels, places = m_printed, first](DrawingSurface& surface) {
            return checkFullLabels(*labels, places, first, surface);
        };
    }

private:
    std::shared_ptr<const FullGeneration> m_labels;
    LabelPlaces m_printed;
    LabelPlaces m_previewed;
};

// The four lists "Generar Etiquetas" built (lstBarras, lstClasify, lstAutor,
// lstTitulo); the review shows each label's four fields.
class FullLabels : public GeneratedLabels {
public:
    explicit FullLabels(FullGeneration generated)
        : m_generated(std::make_shared<const FullGeneration>(std::move(generated))) {
        for (int field = 0; field < kFieldCount; ++field)
            m_starts[size_t(field)] = labellist::labelStarts(m_generated->list(Field(field)));
    }

    qint64 count() const override { return m_generated->labelCount; }
    review::Fields fields(qint64 label) const override {
        review::Fields fields;
        for (int field = 0; field < kFieldCount; ++field) {
            fields.push_back(labellist::linesOf(m_generated->list(Field(field)),
                                                m_starts[size_t(field)], label));
        }
        return fields;
    }
    // Lists out of step are printed all the same, with the warning.
    Summary summary() const override {
        return {.labelCount = m_generated->labelCount,
                .status = m_generated->status,
                .warning = mismatchWarning(*m_generated)};
    }
    std::unique_ptr<GeneratedLabels> plus(QIODevice& more, const design::Design&) const override {
        return std::make_unique<FullLabels>(joined(*m_generated, more));
    }
    std::unique_ptr<LabelJob> job(const jobselection::Choice& choice,
                                  const JobSettings& settings) const override {
        if (!choice) return std::make_unique<FullJob>(m_generated, settings.stock);
        return std::make_unique<FullJob>(
            std::make_shared<const FullGeneration>(selectFullLabels(*m_generated, *choice)),
            settings.stock);
    }

private:
    std::shared_ptr<const FullGeneration> m_generated;
    std::array<std::vector<qsizetype>, kFieldCount> m_starts;
};

// A full label typed by hand as the client writes an item: the barcode and
// the call number in the code page, the author and the title in UTF-8.
QByteArray typedItem(const QStringList& fields) {
    auto tag = [](const char* name, const QByteArray& value) {
        return "<" + QByteArray(name) + ">" + value + "</" + QByteArray(name) + ">\r\n";
    };
    return "<section-02>\r\n" + tag("z30-barcode", codepage::encode(fields.value(kBarcodeField))) +
           tag("z30-call-no", codepage::encode(fields.value(kCallNumberField))) +
           tag("z13-author", fields.value(kAuthorField).toUtf8()) +
           tag("z13-title", fields.value(kTitleField).toUtf8()) + "</section-02>\r\n";
}

// What generation wraps each field to, and what the walk prints of it, in
// the order of the fields.
std::vector<review::FieldRule> reviewRules() {
    return {{Text::tr("Código de barras"), 1, {}},
            {Text::tr("Clasificación"), labellist::kMaxCallNumberLines, {kMaxCallNumberLine}},
            {Text::tr("Autor"), 2, {kAuthorLineLength}},
            {Text::tr("Título"), 2, {kTitleFirstLineLength, kTitleSecondLineLength}}};
}

}  // namespace

LabelProgram program() {
    return {
        .name = QStringLiteral("fichas"),
        .ownGrid = kFullSheet,
        .ownSheetName = Text::tr("La hoja de siempre: 36 etiquetas completas"),
        .window = {.statusPoints = 18,
                   .printerDialog = true,
                   .continueTitle = Text::tr("Mensaje:"),
                   .continueText = Text::tr("¿Continuar?")},
        .help = help,
        .helpNote = Text::tr("Si los datos de los ejemplares no coinciden, lo avisa en la salida "
                             "de errores\ny sigue.\n"),
        // The design of a full label changes how it is drawn, not its lines.
        .generate = [](const QString& printFile,
                       const design::Design&) -> std::unique_ptr<GeneratedLabels> {
            return std::make_unique<FullLabels>(generateFullLabels(printFile));
        },
        .generateFrom = [](QIODevice& printFile,
                           const design::Design&) -> std::unique_ptr<GeneratedLabels> {
            return std::make_unique<FullLabels>(generateFullLabels(printFile));
        },
        .typedItem = typedItem,
        .reviewRules = [](const design::Design&) { return reviewRules(); },
        .crosses =
            [](const JobSettings& settings) {
                return testPositions(settings.stock ? stockPlaces(*settings.stock)
                                                    : printedPlaces());
            },
    };
}

}  // namespace fichas
