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

struct ProgramText {
    Q_DECLARE_TR_FUNCTIONS(fichas)
};

QString help(LabelGrid grid) {
    return ProgramText::tr(
               "Uso: fichas --pdf ARCHIVO.pdf [--paper a4|letter] [--start N] [--skip LISTA]\n"
               "              [--labels LISTA] [--copies N] [--correction-from MEDIDAS]\n"
               "              [--stock HOJA] [--design ARCHIVO] [--strict]\n"
               "              [--add-label ETIQUETA ...]\n"
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
    FullJob(std::shared_ptr<const FullGeneration> labels, const JobSettings& settings)
        : m_labels(std::move(labels)),
          m_printed(settings.stock ? stockPlaces(*settings.stock, settings.reachCm) : printedPlaces()),
          m_previewed(settings.stock ? m_printed : previewPlaces()),
          m_look(lookOf(settings.design.full)) {}

    LabelWalk printWalk() const override { return fullWalk(m_labels, m_printed, m_look); }
    LabelWalk previewWalk() const override { return fullWalk(m_labels, m_previewed, m_look); }
    labelcheck::Check check(const FirstSheet& first) const override {
        return [labels = m_labels, places = m_printed, look = m_look, first](DrawingSurface& surface) {
            return checkFullLabels(*labels, places, look, first, surface);
        };
    }

private:
    std::shared_ptr<const FullGeneration> m_labels;
    LabelPlaces m_printed;
    LabelPlaces m_previewed;
    FullLook m_look;
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
        if (!choice) return std::make_unique<FullJob>(m_generated, settings);
        return std::make_unique<FullJob>(
            std::make_shared<const FullGeneration>(selectFullLabels(*m_generated, *choice)),
            settings);
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
    return {{ProgramText::tr("Código de barras"), 1, {}},
            {ProgramText::tr("Clasificación"), labellist::kMaxCallNumberLines, {kMaxCallNumberLine}},
            {ProgramText::tr("Autor"), 2, {kAuthorLineLength}},
            {ProgramText::tr("Título"), 2, {kTitleFirstLineLength, kTitleSecondLineLength}}};
}

// The rows of [ficha] in "Diseño de la etiqueta…": the face of each field,
// then the barcode's symbol.
design::Form designForm() {
    // Spelt out for lupdate, which loses the class's context in this function.
    using Kind = design::FormKey::Kind;
    struct FieldRows {
        const char* suffix;
        QString face, size, bold, italic;
    };
    const FieldRows fields[kFieldCount] = {
        {"codigo", QCoreApplication::translate("fichas", "Letra del código de barras:"), QCoreApplication::translate("fichas", "Tamaño del código de barras:"),
         QCoreApplication::translate("fichas", "Código de barras en negrita"), QCoreApplication::translate("fichas", "Código de barras en cursiva")},
        {"clasificacion", QCoreApplication::translate("fichas", "Letra de la clasificación:"),
         QCoreApplication::translate("fichas", "Tamaño de la clasificación:"), QCoreApplication::translate("fichas", "Clasificación en negrita"),
         QCoreApplication::translate("fichas", "Clasificación en cursiva")},
        {"autor", QCoreApplication::translate("fichas", "Letra del autor:"), QCoreApplication::translate("fichas", "Tamaño del autor:"),
         QCoreApplication::translate("fichas", "Autor en negrita"), QCoreApplication::translate("fichas", "Autor en cursiva")},
        {"titulo", QCoreApplication::translate("fichas", "Letra del título:"), QCoreApplication::translate("fichas", "Tamaño del título:"),
         QCoreApplication::translate("fichas", "Título en negrita"), QCoreApplication::translate("fichas", "Título en cursiva")},
    };
    design::Form form{QStringLiteral("ficha"), {}, false};
    for (const FieldRows& field : fields) {
        const QString key = QLatin1Char('_') + QLatin1String(field.suffix);
        form.keys.push_back({QStringLiteral("fuente") + key, field.face, Kind::Face});
        form.keys.push_back(
            {QStringLiteral("tamano") + key, field.size, Kind::Text, QCoreApplication::translate("fichas", "puntos; 8 si no")});
        form.keys.push_back({QStringLiteral("negrita") + key, field.bold, Kind::YesNo, {}, true});
        form.keys.push_back({QStringLiteral("cursiva") + key, field.italic, Kind::YesNo});
    }
    form.keys.push_back({QStringLiteral("codigo"), QCoreApplication::translate("fichas", "&Código de barras:"), Kind::Choice,
                         {}, false,
                         {{{}, QCoreApplication::translate("fichas", "Como texto")},
                          {QStringLiteral("code128"), QStringLiteral("Code 128")},
                          {QStringLiteral("code39"), QStringLiteral("Code 39")},
                          {QStringLiteral("codabar"), QStringLiteral("Codabar")}}});
    return form;
}

// A stock's first label; on the program's own sheet, the preview's first
// place up to the next column and row.
QRectF firstLabelCm(const JobSettings& settings) {
    if (settings.stock) {
        const Stock& stock = *settings.stock;
        return {stock.labelLeftCm(0), stock.labelTopCm(0), stock.labelWidthMm / 10,
                stock.labelHeightMm / 10};
    }
    const LabelPlaces places = previewPlaces();
    const double margin = 0.1;  // the text starts a little into the label
    const double pitch = (places.x[2] - places.x[0]) / 2;  // place 1 stands off its column
    return {places.x[0] - margin, places.y[0] - margin, pitch - 2 * margin,
            places.y[size_t(kFullSheet.columns)] - places.y[0]};
}

}  // namespace

LabelProgram program() {
    return {
        .name = QStringLiteral("fichas"),
        .ownGrid = kFullSheet,
        .ownSheetName = ProgramText::tr("La hoja de siempre: 36 etiquetas completas"),
        .window = {.statusPoints = 18,
                   .printerDialog = true,
                   .continueTitle = ProgramText::tr("Mensaje:"),
                   .continueText = ProgramText::tr("¿Continuar?")},
        .help = help,
        .helpNote = ProgramText::tr("Si los datos de los ejemplares no coinciden, lo avisa en la salida "
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
        .sourceTags =
            [](const design::Design&) {
                std::vector<QByteArray> tags;
                for (const std::string_view tag : kFullLabelTags)
                    tags.emplace_back(tag.data(), qsizetype(tag.size()));
                return tags;
            },
        .typedItem = typedItem,
        .reviewRules = [](const design::Design&) { return reviewRules(); },
        .designForm = designForm(),
        .sampleItem = typedItem({QStringLiteral("3900347712782"), QStringLiteral("HU 860 CER nov"),
                                 QStringLiteral("Cervantes Saavedra, Miguel de"),
                                 QStringLiteral("Novelas ejemplares")}),
        .firstLabelCm = firstLabelCm,
        .crosses =
            [](const JobSettings& settings) {
                return testPositions(settings.stock ? stockPlaces(*settings.stock, settings.reachCm)
                                                    : printedPlaces());
            },
    };
}

}  // namespace fichas
