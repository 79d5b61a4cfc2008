#include "SOLO_CLASIF/core/generation.h"

#include <array>

#include "common/core/codepage.h"
#include "common/core/labellist.h"

namespace lomos {

namespace {

constexpr std::string_view kCallNumberTag = "<z30-call-no>";

// `source` is a path or an open device.
template <class Source>
SpineGeneration generate(Source& source) {
    SpineGeneration result;
    const std::array<std::string_view, 1> tags = {kCallNumberTag};
    result.status = printfile::scan(
        source, tags, [&result](std::string_view line, std::span<const size_t> starts) {
            ++result.labelCount;
            labellist::appendCallNumberLines(printfile::valueAt(line, starts[0]),
                                             result.lstClasify);
            result.lstClasify.appendSeparator();
        });
    result.lstClasify.append(labellist::kEndMarker);
    return result;
}

}  // namespace

SpineGeneration generateSpineLabels(const QString& printFilePath) {
    return generate(printFilePath);
}

SpineGeneration generateSpineLabels(QIODevice& printFile) { return generate(printFile); }

}  // namespace lomos
