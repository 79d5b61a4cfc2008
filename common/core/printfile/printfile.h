#pragma once

#include <QIODevice>
#include <QString>
#include <algorithm>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <thread>
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

// Whole lines of a file: its bytes from `begin` up to `end` (-1: its end).
struct Part {
    qint64 begin = 0;
    qint64 end = -1;
};

// What scan() would say of the file before it reads a line.
Status check(const QString& path);

// Cuts a file into up to `count` parts of about the same size, each cut
// right after a line end; a small file, or one with no line end near a cut,
// stays in fewer parts.
std::vector<Part> splitAtLines(const QString& path, int count);

// scan() over one part of a file.
Status scan(const QString& path, Part part, std::span<const std::string_view> tags,
            const TaggedLineHandler& onLine);

// Generation of a large print file on every core: `generatePart(path, part)`
// runs on each part at once, and `merge(result, partResult)` joins what they
// give in the order of the file. Parts after one whose reading failed are
// left out, as lines after a failure are when reading in one go.
template <class Result, class GeneratePart, class Merge>
Result generateInParts(const QString& path, GeneratePart generatePart, Merge merge) {
    if (const Status status = check(path); status != Status::Ok) {
        Result failed;
        failed.status = status;
        return failed;
    }
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    const std::vector<Part> parts = splitAtLines(path, cores);
    std::vector<Result> results(parts.size());
    {
        std::vector<std::jthread> others;
        for (size_t i = 1; i < parts.size(); ++i) {
            others.emplace_back([&, i] { results[i] = generatePart(path, parts[i]); });
        }
        results[0] = generatePart(path, parts[0]);
    }
    for (size_t i = 1; i < results.size() && results[0].status == Status::Ok; ++i) {
        merge(results[0], std::move(results[i]));
    }
    return std::move(results[0]);
}

// An item of the print file: the values of the tags asked for between its
// "<section-02>" and "</section-02>", per tag in the order they come. A
// tagged line outside any item is an item of its own.
using Item = std::vector<std::vector<std::string>>;
using ItemHandler = std::function<void(const Item& item)>;

// Reads the items of a file in one pass, for what needs the tags of one
// item together (a spine label that shows the item's library); slower than
// scan(), which hands on lines alone. The same bounds hold.
Status scanItems(const QString& path, std::span<const std::string_view> tags,
                 const ItemHandler& onItem);
Status scanItems(QIODevice& device, std::span<const std::string_view> tags,
                 const ItemHandler& onItem);

// The value that starts at `start`: up to the next "<" (where the closing tag
// begins), or to the end of the line when no "<" follows.
std::string_view valueAt(std::string_view line, size_t start);

}  // namespace printfile
