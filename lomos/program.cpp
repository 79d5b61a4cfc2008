#include "lomos/program.h"

#include <QCoreApplication>
#include <optional>

#include "common/core/text/codepage.h"
#include "common/core/text/number.h"
#include "lomos/core/coordinates.h"
#include "lomos/core/spinecheck.h"
#include "lomos/core/spinegeneration.h"
#include "lomos/core/spinewalk.h"

namespace lomos {
namespace {

struct ProgramText {
    Q_DECLARE_TR_FUNCTIONS(lomos)
};

QString help(LabelGrid grid) {
    return ProgramText::tr(
               "Uso: lomos --pdf ARCHIVO.pdf [--font-size N] [--paper a4|letter]\n"
               "             [--start N] [--skip LISTA] [--labels LISTA] [--copies N]\n"
               "             [--correction-from MEDIDAS] [--stock HOJA] [--strict]\n"
               "             [--design ARCHIVO] [--add-label CLASIFICACIÓN ...]\n"
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
          m_table(coordinatesOf(settings.stock, settings.reachCm)),
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

// The rows of [tejuelo] in "Diseño de la etiqueta…".
design::Form designForm() {
    // Spelt out for lupdate, which loses the class's context in this function.
    using Kind = design::FormKey::Kind;
    return {
        QStringLiteral("tejuelo"),
        {
            {QStringLiteral("fuente"), QCoreApplication::translate("lomos", "&Letra:"), Kind::Face},
            {QStringLiteral("tamano"), QCoreApplication::translate("lomos", "&Tamaño:"), Kind::Text,
             QCoreApplication::translate("lomos", "puntos; si no, el de «Tamaño de Fuente»")},
            {QStringLiteral("negrita"), QCoreApplication::translate("lomos", "&Negrita"), Kind::YesNo, {}, true},
            {QStringLiteral("cursiva"), QCoreApplication::translate("lomos", "&Cursiva"), Kind::YesNo},
            {QStringLiteral("mayusculas"), QCoreApplication::translate("lomos", "En &mayúsculas"), Kind::YesNo},
            {QStringLiteral("alineacion"), QCoreApplication::translate("lomos", "&Alineación:"), Kind::Choice, {}, false,
             {{{}, QCoreApplication::translate("lomos", "A la izquierda, desde la posición")},
              {QStringLiteral("centro"), QCoreApplication::translate("lomos", "Centrada en la etiqueta")},
              {QStringLiteral("derecha"), QCoreApplication::translate("lomos", "A la derecha")}}},
            {QStringLiteral("vertical"), QCoreApplication::translate("lomos", "Posición &vertical:"), Kind::Choice, {}, false,
             {{{}, QCoreApplication::translate("lomos", "Desde arriba, desde la posición")},
              {QStringLiteral("centro"), QCoreApplication::translate("lomos", "Centrada en la etiqueta")},
              {QStringLiteral("abajo"), QCoreApplication::translate("lomos", "Abajo")}}},
            {QStringLiteral("lineas_libres"), QCoreApplication::translate("lomos", "Líneas libres a&rriba:"), Kind::Text,
             QCoreApplication::translate("lomos", "de 0 a 5")},
            {QStringLiteral("interlineado"), QCoreApplication::translate("lomos", "Interlinea&do:"), Kind::Text,
             QCoreApplication::translate("lomos", "cm (0,3 si no), o «fuente»: el de la letra")},
            {QStringLiteral("cortar_en"), QCoreApplication::translate("lomos", "Nueva línea &en:"), Kind::Text,
             QCoreApplication::translate("lomos", "caracteres, como /")},
            {QStringLiteral("cortar_en_espacios"), QCoreApplication::translate("lomos", "Nueva línea en cada es&pacio"),
             Kind::YesNo, {}, true},
            {QStringLiteral("quitar"), QCoreApplication::translate("lomos", "&Quitar las palabras:"), Kind::Text,
             QCoreApplication::translate("lomos", "separadas por comas, como HU")},
            {QStringLiteral("encima"), QCoreApplication::translate("lomos", "Línea enc&ima:"), Kind::Text,
             QCoreApplication::translate("lomos", "una etiqueta del archivo, como z30-sub-library")},
            {QStringLiteral("debajo"), QCoreApplication::translate("lomos", "Línea deba&jo:"), Kind::Text,
             QCoreApplication::translate("lomos", "como z13-author:3:mayusculas, z13-title:3")},
        },
        true,
    };
}

// A stock's first label; on the program's own sheet, from the first
// position to the next column's X and the next row's Y.
QRectF firstLabelCm(const JobSettings& settings) {
    if (settings.stock) {
        const Stock& stock = *settings.stock;
        return {stock.labelLeftCm(0), stock.labelTopCm(0), stock.labelWidthMm / 10,
                stock.labelHeightMm / 10};
    }
    CoordinateTable table = coordinatesOf(std::nullopt);
    auto at = [&](const std::vector<QString>& entries, size_t p) {
        return parseNumber(entries[p]);
    };
    if (!at(table.x, 0) || !at(table.x, 1) || !at(table.y, 0) || !at(table.y, 3))
        table = defaultCoordinateTable();
    const double x = *at(table.x, 0), y = *at(table.y, 0);
    return {x, y, *at(table.x, 1) - x, *at(table.y, size_t(kSpineSheet.columns)) - y};
}

}  // namespace

LabelProgram program() {
    return {
        .name = QStringLiteral("lomos"),
        .ownGrid = kSpineSheet,
        .ownSheetName = ProgramText::tr("La hoja de siempre: 33 etiquetas de lomo, en las posiciones "
                                 "de \"Configurar\""),
        .window = {.statusPoints = 14.25,
                   .printerDialog = false,
                   .continueTitle = QString(),
                   .continueText = ProgramText::tr("Continuar")},
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
        .sourceTags =
            [](const design::Design& design) {
                std::vector<QByteArray> tags = {QByteArrayLiteral("<z30-call-no>")};
                for (const QString& tag : design.spine.tags()) tags.push_back("<" + tag.toUtf8() + ">");
                return tags;
            },
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
                    {ProgramText::tr("Clasificación"),
                     labellist::kMaxCallNumberLines + design.spine.tagLineCount(),
                     {kMaxLineLength}}};
            },
        .designForm = designForm(),
        .sampleItem = "<section-02>\r\n<z30-call-no>HU 860/CER/qui</z30-call-no>\r\n"
                      "<z30-sub-library>Biblioteca Central</z30-sub-library>\r\n"
                      "<z13-author>Cervantes Saavedra, Miguel de</z13-author>\r\n"
                      "<z13-title>Novelas ejemplares</z13-title>\r\n</section-02>\r\n",
        .firstLabelCm = firstLabelCm,
        .crosses =
            [](const JobSettings& settings) {
                return testPositions(coordinatesOf(settings.stock, settings.reachCm),
                                     settings.stock ? settings.stock->grid() : kSpineSheet);
            },
    };
}

}  // namespace lomos
