#include "printfile.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

#include "linereader.h"
#include "textfile.h"

namespace printfile {
namespace {

size_t find(std::string_view haystack, std::string_view needle) {
    const void* hit = memmem(haystack.data(), haystack.size(), needle.data(), needle.size());
    return hit ? size_t(static_cast<const char*>(hit) - haystack.data()) : kNotFound;
}

}  // namespace

Status scan(const QString& path, std::span<const std::string_view> tags,
            const TaggedLineHandler& onLine) {
    const QFileInfo info(path);
    if (!info.exists()) return Status::Missing;
    if (!textfile::isRegularFile(path)) return Status::NotAFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Status::CannotOpen;
    return scan(file, tags, onLine);
}

Status scan(QIODevice& device, std::span<const std::string_view> tags,
            const TaggedLineHandler& onLine) {
    std::vector<size_t> starts(tags.size(), kNotFound);
    LineReader reader(device);
    std::string_view line;
    while (reader.next(line)) {
        // Every tag opens with "<": a line without one is passed over at once.
        if (!std::memchr(line.data(), '<', line.size())) continue;
        bool any = false;
        for (size_t t = 0; t < tags.size(); ++t) {
            const size_t at = find(line, tags[t]);
            starts[t] = at == kNotFound ? kNotFound : at + tags[t].size();
            any = any || at != kNotFound;
        }
        if (any) onLine(line, starts);
    }
    return reader.failed() ? Status::ReadFailed : Status::Ok;
}

std::string_view valueAt(std::string_view line, size_t start) {
    if (start >= line.size()) return {};
    const std::string_view rest = line.substr(start);
    const size_t lt = rest.find('<');
    return lt == std::string_view::npos ? rest : rest.substr(0, lt);
}

}  // namespace printfile
