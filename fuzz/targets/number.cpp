// Turning a typed text into a number.
#include <cmath>

#include "codepage.h"
#include "fuzz_check.h"
#include "number.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = codepage::decode(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::optional<double> value = parseNumber(text);
    if (!value) return 0;
    FUZZ_CHECK(std::isfinite(*value));
    // Only digits, one separator and a leading sign make a number.
    const QString t = text.trimmed();
    int separators = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'.' || c == u',') {
            ++separators;
        } else if ((c == u'-' || c == u'+') && i == 0) {
        } else {
            FUZZ_CHECK(c >= u'0' && c <= u'9');
        }
    }
    FUZZ_CHECK(separators <= 1);
    // The comma reads as the period does.
    QString withPeriod = text;
    withPeriod.replace(u',', u'.');
    FUZZ_CHECK(parseNumber(withPeriod) == value);
    return 0;
}
