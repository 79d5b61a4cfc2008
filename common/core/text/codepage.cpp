#include "common/core/text/codepage.h"

#include <array>

#include "common/core/text/bytesearch.h"

namespace codepage {
namespace {

// 0x80..0x9F; everything else is Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t charOf(unsigned char b) { return (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char16_t(b); }

}  // namespace

QString decode(std::string_view bytes) {
    QString out(qsizetype(bytes.size()), Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    for (unsigned char b : bytes) *dst++ = charOf(b);
    return out;
}

void appendUtf8(unsigned char byte, std::string& out) {
    const char16_t ch = charOf(byte);
    if (ch < 0x80) {
        out.push_back(char(ch));
    } else if (ch < 0x800) {
        out.push_back(char(0xC0 | (ch >> 6)));
        out.push_back(char(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(char(0xE0 | (ch >> 12)));
        out.push_back(char(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(char(0x80 | (ch & 0x3F)));
    }
}

void appendUtf8(std::string_view bytes, std::string& out) {
    // Most values are plain ASCII, the same bytes in UTF-8.
    for (;;) {
        const size_t plain = bytesearch::asciiPrefix(bytes);
        out.append(bytes.substr(0, plain));
        if (plain == bytes.size()) return;
        appendUtf8(static_cast<unsigned char>(bytes[plain]), out);
        bytes.remove_prefix(plain + 1);
    }
}

int byteOf(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return ch;
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == ch) return 0x80 + i;
    }
    return -1;
}

QByteArray encode(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            ++i;  // one code point, one "?"
            out.append('?');
            continue;
        }
        const int b = byteOf(ch);
        out.append(b < 0 ? '?' : char(b));
    }
    return out;
}

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
        appendUtf8(static_cast<unsigned char>(bytes[i]), out);
        plain = ++i;
    }
    out.append(bytes.substr(plain));
}

}  // namespace codepage
