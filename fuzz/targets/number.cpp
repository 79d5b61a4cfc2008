// Turning a typed text into a number.
#include <QLocale>
#include <cmath>

#include "common/core/codepage.h"
#include "fuzz_check.h"
#include "common/core/number.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = codepage::decode(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::optional<double> value = parseNumber(text);
    if (!value) return 0;
    FUZZ_CHECK(std::isfinite(*value));
    // Only digits, one separator and a leading sign make a number; Qt's own
    // reading of the same text, in a locale with either separator, agrees.
    QString withPeriod = text.trimmed();
    withPeriod.replace(u',', u'.');
    if (withPeriod.startsWith(u'+')) withPeriod.remove(0, 1);
    bool ok = false;
    const double qtValue = QLocale::c().toDouble(withPeriod, &ok);
    FUZZ_CHECK(ok && qtValue == *value);
    // The comma reads as the period does.
    QString periods = text;
    periods.replace(u',', u'.');
    FUZZ_CHECK(parseNumber(periods) == value);
    return 0;
}
