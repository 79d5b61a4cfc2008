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

// The length of the valid UTF-8 sequence of two to four bytes at the front
// of `bytes`, with the code point it encodes; 0 when none starts there.
int utf8SequenceAt(std::string_view bytes, char32_t& codePoint) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = b(0);
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
    if (size_t(length) > bytes.size()) return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char c = b(size_t(k));
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    codePoint = cp;
    return length;
}

// Decodes a value's bytes onto `out`: valid UTF-8 sequences give the letter
// they encode, every other byte its Windows-1252 character.
void appendRepaired(std::string_view bytes, QString& out) {
    size_t plain = 0;  // start of a run of bytes decoded one by one
    for (size_t i = 0; i < bytes.size();) {
        char32_t codePoint = 0;
        const int length = static_cast<unsigned char>(bytes[i]) < 0x80 ? 0 : utf8SequenceAt(bytes.substr(i), codePoint);
        if (length == 0) {
            ++i;
            continue;
        }
        codepage::appendDecoded(bytes.substr(plain, i - plain), out);
        if (codePoint > 0xFFFF) {
            out.append(QChar::highSurrogate(codePoint));
            out.append(QChar::lowSurrogate(codePoint));
        } else {
            out.append(QChar(char16_t(codePoint)));
        }
        i += size_t(length);
        plain = i;
    }
    codepage::appendDecoded(bytes.substr(plain), out);
}

// A cut before `at` that never parts the two halves of a character outside
// the basic plane (an emoji, say): such a character goes whole to what
// follows.
qsizetype cutBefore(QStringView value, qsizetype at) {
    return at > 0 && at < value.size() && value[at - 1].isHighSurrogate() ? at - 1 : at;
}

// How many characters line 1 of a value longer than `limit` holds: up to
// and with the last blank at or before `limit`, or `limit` without one.
qsizetype firstLineLength(QStringView value, int limit) {
    for (qsizetype b = limit; b >= 1; --b) {  // positions counted from 1
        if (value[b - 1] == u' ') return b;
    }
    return cutBefore(value, limit);
}

// Line 2: at most `secondLength` characters after line 1.
QStringView secondLine(QStringView value, qsizetype first, int secondLength) {
    const qsizetype end = cutBefore(value, std::min(value.size(), first + secondLength));
    return value.mid(first, end - first);
}

void appendWrapped(std::string_view raw, int limit, int second, QString& scratch,
                   labellist::LabelList& list) {
    scratch.resize(0);
    appendRepaired(raw, scratch);
    const QStringView value(scratch);
    if (value.size() <= limit) {
        list.append(value);
    } else {
        const qsizetype first = firstLineLength(value, limit);
        list.append(value.left(first));
        list.append(secondLine(value, first, second));
    }
    list.appendSeparator();
}

}  // namespace

QString repairAccents(const QString& value) {
    QString out;
    out.reserve(value.size());
    // The characters go back to the bytes they were read from.
    const QByteArray bytes = codepage::encode(value);
    appendRepaired(std::string_view(bytes.constData(), size_t(bytes.size())), out);
    return out;
}

QStringList wrapValue(const QString& value, int limit, int secondLength) {
    if (value.size() <= limit) return {value};
    const qsizetype first = firstLineLength(value, limit);
    return {value.left(first), secondLine(value, first, secondLength).toString()};
}

qint64 groupCount(const labellist::LabelList& list) { return list.count(labellist::kSeparator); }

namespace {

// `source` is a path or an open device.
template <class Source>
FullGeneration generate(Source& source) {
    FullGeneration g;
    QString scratch;  // one value at a time, reused
    g.status = printfile::scan(source, kTags, [&](std::string_view line, std::span<const size_t> at) {
        auto value = [&](Tag tag) { return printfile::valueAt(line, at[tag]); };
        if (at[kAuthor] != printfile::kNotFound) {
            appendWrapped(value(kAuthor), kAuthorLimit, kAuthorSecond, scratch, g.lstAutor);
        }
        if (at[kTitle] != printfile::kNotFound) {
            appendWrapped(value(kTitle), kTitleLimit, kTitleSecond, scratch, g.lstTitulo);
        }
        if (at[kBarcode] != printfile::kNotFound) {
            g.lstBarras.appendDecoded(value(kBarcode));
            g.lstBarras.appendSeparator();
        }
        if (at[kCallNumber] != printfile::kNotFound) {
            ++g.labelCount;
            labellist::appendCallNumberLines(value(kCallNumber), g.lstClasify);
            g.lstClasify.appendSeparator();
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
