#pragma once

#include <QIODevice>
#include <QString>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

// The item-label print file "itemlbl.prn" that the library client writes: one
// tagged line per field, "<z30-call-no>QA76.73 .C15 2005</z30-call-no>".
namespace printfile {

enum class Status {
    Ok,
    Missing,   // nothing at that path
    NotAFile,  // a folder, pipe or device
    CannotOpen,
    ReadFailed,  // opened, but reading broke off; the lines before were used
};

inline bool readable(Status s) { return s == Status::Ok; }

constexpr size_t kNotFound = std::string_view::npos;

// For every line holding at least one of the tags, onLine gets the line and,
// per tag, the offset right after the tag's first occurrence (kNotFound when
// the tag is not in the line). Matching is exact and case-sensitive. Lines
// without any tag are not decoded or copied. The tags all open with the same
// two bytes, as every tag of the print file opens with "<z".
//
// Only a regular file is read: a folder, a pipe or a device gives NotAFile
// at once instead of a hang. Memory stays bounded whatever the file holds: a
// line is looked at only up to LineReader's bound (1 MiB); a tag further
// into a longer line is not seen, and a value there ends at the bound.
using TaggedLineHandler =
    std::function<void(std::string_view line, std::span<const size_t> valueStarts)>;

Status scan(const QString& path, std::span<const std::string_view> tags,
            const TaggedLineHandler& onLine);

// The same over a device already open for reading.
Status scan(QIODevice& device, std::span<const std::string_view> tags,
            const TaggedLineHandler& onLine);

// The value that starts at `start`: up to the next "<" (where the closing tag
// begins), or to the end of the line when no "<" follows.
std::string_view valueAt(std::string_view line, size_t start);

}  // namespace printfile
