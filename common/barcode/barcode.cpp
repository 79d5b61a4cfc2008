#include "common/barcode/barcode.h"

#include <zint.h>

#include <QCoreApplication>
#include <memory>

namespace barcode {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(barcode)
};

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

int zintSymbology(design::Symbology symbology) {
    switch (symbology) {
        case design::Symbology::Code39:
            return BARCODE_CODE39;
        case design::Symbology::Codabar:
            return BARCODE_CODABAR;
        default:
            return BARCODE_CODE128;
    }
}

bool isCodabarGuard(QChar c) { return QStringLiteral("ABCDabcd").contains(c); }

// What zint is given, and what a reader reads back.
struct Data {
    QString encoded;
    QString readable;
};

Data dataFor(design::Symbology symbology, const QString& value) {
    const QString trimmed = value.trimmed();
    if (symbology == design::Symbology::Code39) return {trimmed.toUpper(), trimmed.toUpper()};
    if (symbology == design::Symbology::Codabar) {
        const bool guarded = trimmed.size() >= 2 && isCodabarGuard(trimmed.front()) &&
                             isCodabarGuard(trimmed.back());
        if (guarded) return {trimmed.toUpper(), trimmed.mid(1, trimmed.size() - 2)};
        return {QStringLiteral("A%1A").arg(trimmed), trimmed};
    }
    return {trimmed, trimmed};
}

}  // namespace

QString nameOf(design::Symbology symbology) {
    switch (symbology) {
        case design::Symbology::Code39:
            return QStringLiteral("Code 39");
        case design::Symbology::Codabar:
            return QStringLiteral("Codabar");
        default:
            return QStringLiteral("Code 128");
    }
}

Encoded encode(design::Symbology symbology, const QString& value) {
    const Data data = dataFor(symbology, value);
    if (data.readable.isEmpty()) return {std::nullopt, Text::tr("no hay código que dibujar")};
    std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol) return {std::nullopt, Text::tr("no queda memoria para dibujarlo")};
    symbol->symbology = zintSymbology(symbology);
    symbol->input_mode = UNICODE_MODE;
    symbol->show_hrt = 0;
    symbol->whitespace_width = 0;
    symbol->scale = 0.5f;  // the vector's units are then modules
    const QByteArray utf8 = data.encoded.toUtf8();
    const int encoded =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(utf8.constData()),
                        int(utf8.size()));
    if (encoded >= ZINT_ERROR || ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR) {
        return {std::nullopt,
                Text::tr("el código de barras «%1» no se puede dibujar en %2").arg(value.trimmed(), nameOf(symbology))};
    }
    Symbol made;
    made.text = data.readable;
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next) {
        made.bars.push_back({r->x, r->width});
        made.widthModules = std::max(made.widthModules, double(r->x + r->width));
    }
    return {made, {}};
}

}  // namespace barcode
