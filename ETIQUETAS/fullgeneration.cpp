#include "fullgeneration.h"

#include <array>

#include "codepage.h"
#include "labellist.h"

namespace fichas {
namespace {

enum Tag { kAuthor, kTitle, kBarcode, kCallNumber };
constexpr std::array<std::string_view, 4> kTags = {"<z13-author>", "<z13-title>", "<z30-barcode>",
                                                   "<z30-call-no>"};

constexpr int kAuthorLimit = 40;
constexpr int kAuthorSecond = 40;
constexpr int kTitleLimit = 28;
constexpr int kTitleSecond = 36;

// The length of the valid UTF-8 sequence at bytes[i], or 0 when none starts
// there (ASCII counts as none: it needs no repair).
int utf8SequenceAt(const QByteArray& bytes, qsizetype i, char32_t& codePoint) {
    const auto b = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = b(i);
    int length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char c = b(i + k);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    codePoint = cp;
    return length;
}

void appendWrapped(const QString& raw, int limit, int second, QStringList& list) {
    list.append(wrapValue(repairAccents(raw), limit, second));
    list.append(labellist::kSeparator);
}

}  // namespace

QString repairAccents(const QString& value) {
    // Quick way out: nothing above ASCII, nothing to repair.
    bool high = false;
    for (QChar c : value) high = high || c.unicode() >= 0x80;
    if (!high) return value;

    QByteArray bytes;
    bytes.reserve(value.size());
    for (QChar c : value) {
        const int byte = codepage::byteOf(c.unicode());
        bytes.append(byte < 0 ? '\0' : char(byte));
    }
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size();) {
        char32_t codePoint = 0;
        const int length = codepage::byteOf(value[i].unicode()) < 0 ? 0 : utf8SequenceAt(bytes, i, codePoint);
        bool allFromBytes = length > 0;
        for (int k = 1; k < length && allFromBytes; ++k) {
            allFromBytes = codepage::byteOf(value[i + k].unicode()) >= 0;
        }
        if (allFromBytes) {
            out.append(QString::fromUcs4(&codePoint, 1));
            i += length;
        } else {
            out.append(value[i]);
            ++i;
        }
    }
    return out;
}

QStringList wrapValue(const QString& value, int limit, int secondLength) {
    if (value.size() <= limit) return {value};
    qsizetype firstLength = limit;
    for (qsizetype b = limit; b >= 1; --b) {  // positions counted from 1
        if (value[b - 1] == u' ') {
            firstLength = b;
            break;
        }
    }
    return {value.left(firstLength), value.mid(firstLength, secondLength)};
}

qint64 groupCount(const QStringList& list) { return list.count(labellist::kSeparator); }

namespace {

// `source` is a path or an open device.
template <class Source>
FullGeneration generate(Source& source) {
    FullGeneration g;
    g.status = printfile::scan(source, kTags, [&g](std::string_view line, std::span<const size_t> at) {
        auto value = [&](Tag tag) { return codepage::decode(printfile::valueAt(line, at[tag])); };
        if (at[kAuthor] != printfile::kNotFound) {
            appendWrapped(value(kAuthor), kAuthorLimit, kAuthorSecond, g.lstAutor);
        }
        if (at[kTitle] != printfile::kNotFound) {
            appendWrapped(value(kTitle), kTitleLimit, kTitleSecond, g.lstTitulo);
        }
        if (at[kBarcode] != printfile::kNotFound) {
            g.lstBarras.append(value(kBarcode));
            g.lstBarras.append(labellist::kSeparator);
        }
        if (at[kCallNumber] != printfile::kNotFound) {
            ++g.labelCount;
            labellist::appendCallNumberLines(value(kCallNumber), g.lstClasify);
            g.lstClasify.append(labellist::kSeparator);
        }
    });
    g.lstAutor.append(labellist::kEndMarker);
    g.lstClasify.append(labellist::kEndMarker);
    return g;
}

}  // namespace

FullGeneration generateFullLabels(const QString& printFilePath) { return generate(printFilePath); }

FullGeneration generateFullLabels(QIODevice& printFile) { return generate(printFile); }

QString mismatchWarning(const FullGeneration& g) {
    const qint64 barcodes = groupCount(g.lstBarras);
    const qint64 callNumbers = groupCount(g.lstClasify);
    const qint64 titles = groupCount(g.lstTitulo);
    const qint64 authors = groupCount(g.lstAutor);
    if (barcodes == callNumbers && callNumbers == titles && titles == authors) return {};
    return QStringLiteral(
               "El archivo de etiquetas no trae los mismos datos para todos los ejemplares: "
               "se encontraron %1 códigos de barras, %2 clasificaciones, %3 títulos y %4 autores.\n"
               "Las etiquetas no corresponderán a sus ejemplares.")
        .arg(barcodes)
        .arg(callNumbers)
        .arg(titles)
        .arg(authors);
}

}  // namespace fichas
