#include "ETIQUETAS/core/fullgeneration.h"

#include <QFileInfo>
#include <algorithm>
#include <array>

#include "common/core/bytesearch.h"
#include "common/core/codepage.h"
#include "common/core/labellist.h"

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
// of `bytes`; 0 when none starts there.
int utf8SequenceAt(std::string_view bytes) {
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
    return length;
}

// Whether every byte of `bytes` belongs to a valid UTF-8 sequence.
bool isValidUtf8(std::string_view bytes) {
    for (size_t i = bytesearch::asciiPrefix(bytes); i < bytes.size();
         i += bytesearch::asciiPrefix(bytes.substr(i))) {
        const int length = utf8SequenceAt(bytes.substr(i));
        if (length == 0) return false;
        i += size_t(length);
    }
    return true;
}

// Author and title values are UTF-8 that the reading takes one byte a
// character. Appends a value's text in UTF-8: wherever its bytes form a
// valid UTF-8 sequence, the letter it encodes; every other byte, its
// Windows-1252 character.
void appendRepaired(std::string_view bytes, std::string& out) {
    size_t plain = 0;  // start of the bytes that stay as they are
    for (size_t i = 0; i < bytes.size();) {
        i += bytesearch::asciiPrefix(bytes.substr(i));
        if (i == bytes.size()) break;
        const int length = utf8SequenceAt(bytes.substr(i));
        if (length > 0) {
            i += size_t(length);
            continue;
        }
        out.append(bytes.substr(plain, i - plain));
        codepage::appendUtf8(static_cast<unsigned char>(bytes[i]), out);
        plain = ++i;
    }
    out.append(bytes.substr(plain));
}

// The value's characters as the windows count them: UTF-16 units, so that a
// character outside the basic plane (an emoji, say) counts two.
int unitsOf(unsigned char lead) { return lead >= 0xF0 ? 2 : 1; }
size_t bytesOf(unsigned char lead) {
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// How many bytes of `text` hold its first `units` units, never parting the
// two units of one character: such a character goes whole to what follows.
size_t bytesOfUnits(std::string_view text, size_t units) {
    if (text.size() <= units) return text.size();  // never more units than bytes
    size_t at = bytesearch::asciiPrefix(text.substr(0, units));  // one byte, one unit
    units -= at;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (size_t(unitsOf(lead)) > units) break;
        units -= size_t(unitsOf(lead));
        at += bytesOf(lead);
    }
    return at;
}

// Appends one or two lines of a value in valid UTF-8. One when it holds at
// most `limit` units. Otherwise line 1 ends with the last blank at or before
// `limit` (the first `limit` units when there is none), and line 2 holds at
// most `secondLength` units after it; the rest is dropped. Returns whether
// anything was dropped.
bool appendWrapped(std::string_view value, int limit, int secondLength,
                   labellist::LabelList& list) {
    bool dropped = false;
    const size_t withinLimit = bytesOfUnits(value, size_t(limit));
    if (withinLimit == value.size()) {
        list.appendUtf8(value);
    } else {
        // A blank is one byte and one unit: the last one among the first
        // `limit` units ends line 1.
        const size_t blank = value.substr(0, withinLimit).rfind(' ');
        const size_t first = blank == std::string_view::npos ? withinLimit : blank + 1;
        list.appendUtf8(value.substr(0, first));
        const std::string_view rest = value.substr(first);
        const size_t second = bytesOfUnits(rest, size_t(secondLength));
        list.appendUtf8(rest.substr(0, second));
        dropped = second < rest.size();
    }
    list.appendSeparator();
    return dropped;
}

}  // namespace

namespace {

qint64 partBytes(const QString& path, printfile::Part part) {
    return (part.end < 0 ? QFileInfo(path).size() : part.end) - part.begin;
}

// The four lists of a print file, or of a part of one of `bytes` bytes,
// without the end markers. `scan(tags, handler)` reads it.
template <class Scan>
FullGeneration listsOf(qint64 bytes, const Scan& scan) {
    FullGeneration g;
    // Each list holds a small share of the file; room for it is taken up
    // front (and only used pages cost memory), within a bound.
    const size_t room = size_t(std::clamp<qint64>(bytes / 8, 0, 64 << 20));
    for (labellist::LabelList* list : {&g.lstBarras, &g.lstClasify, &g.lstTitulo, &g.lstAutor}) {
        list->reserve(room, room / 8);
    }
    std::string scratch;  // one repaired value at a time
    qint64 authors = 0, titles = 0;
    g.status = scan(kTags, [&](std::string_view line, std::span<const size_t> at) {
        auto value = [&](Tag tag) { return printfile::valueAt(line, at[tag]); };
        auto repaired = [&](Tag tag) -> std::string_view {
            const std::string_view raw = value(tag);
            if (isValidUtf8(raw)) return raw;  // its own repair, as most values are
            scratch.clear();
            appendRepaired(raw, scratch);
            return scratch;
        };
        if (at[kAuthor] != printfile::kNotFound) {
            if (appendWrapped(repaired(kAuthor), kAuthorLimit, kAuthorSecond, g.lstAutor))
                g.shortenedAuthors.push_back(authors);
            ++authors;
        }
        if (at[kTitle] != printfile::kNotFound) {
            if (appendWrapped(repaired(kTitle), kTitleLimit, kTitleSecond, g.lstTitulo))
                g.shortenedTitles.push_back(titles);
            ++titles;
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
    return g;
}

FullGeneration ended(FullGeneration g) {
    g.lstAutor.append(labellist::kEndMarker);
    g.lstClasify.append(labellist::kEndMarker);
    return g;
}

}  // namespace

FullGeneration generateFullLabels(const QString& printFilePath) {
    return ended(printfile::generateInParts<FullGeneration>(
        printFilePath,
        [](const QString& path, printfile::Part part) {
            return listsOf(partBytes(path, part), [&](auto tags, auto onLine) {
                return printfile::scan(path, part, tags, onLine);
            });
        },
        [](FullGeneration& g, FullGeneration&& more) {
            const qint64 authors = g.lstAutor.separatorCount();
            for (qint64 k : more.shortenedAuthors) g.shortenedAuthors.push_back(authors + k);
            const qint64 titles = g.lstTitulo.separatorCount();
            for (qint64 k : more.shortenedTitles) g.shortenedTitles.push_back(titles + k);
            g.lstBarras.append(more.lstBarras);
            g.lstClasify.append(more.lstClasify);
            g.lstTitulo.append(more.lstTitulo);
            g.lstAutor.append(more.lstAutor);
            g.labelCount += more.labelCount;
            g.status = more.status;
        }));
}

FullGeneration generateFullLabels(QIODevice& printFile) {
    return ended(listsOf(
        0, [&](auto tags, auto onLine) { return printfile::scan(printFile, tags, onLine); }));
}

QString mismatchWarning(const FullGeneration& g) {
    const qint64 barcodes = g.lstBarras.separatorCount();
    const qint64 callNumbers = g.lstClasify.separatorCount();
    const qint64 titles = g.lstTitulo.separatorCount();
    const qint64 authors = g.lstAutor.separatorCount();
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
