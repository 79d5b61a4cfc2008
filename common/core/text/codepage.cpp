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

}  // namespace codepage
