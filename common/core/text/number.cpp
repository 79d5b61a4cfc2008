#include "common/core/text/number.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

QString formatDecimal(double value) { return QLocale().toString(value, 'f', 2); }

QString formatMeasure(double value) {
    return QLocale().toString(std::round(value * 100) / 100, 'g', QLocale::FloatingPointShortest);
}

int toCount(double value) {
    if (std::isnan(value)) return 0;
    return int(std::clamp(value, double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}

std::optional<double> parseNumber(QStringView text) {
    const QStringView t = text.trimmed();
    if (t.isEmpty() || t.size() > 64) return std::nullopt;
    std::string ascii;
    ascii.reserve(size_t(t.size()));
    bool digits = false;
    bool separator = false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c >= u'0' && c <= u'9') {
            digits = true;
            ascii.push_back(char(c));
        } else if ((c == u'.' || c == u',') && !separator) {
            separator = true;
            ascii.push_back('.');
        } else if ((c == u'-' || c == u'+') && i == 0) {
            ascii.push_back(char(c));
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    // from_chars, unlike strtod, does not follow the user's locale; it takes
    // no leading "+".
    const char* first = ascii.data() + (ascii[0] == '+' ? 1 : 0);
    double value = 0;
    const auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}
