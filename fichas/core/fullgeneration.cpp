#include "fichas/core/fullgeneration.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <optional>

#include "common/core/printfile/labellist.h"
#include "common/core/text/bytesearch.h"
#include "common/core/text/codepage.h"

namespace fichas {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(fichas)
};

enum Tag { kAuthor, kTitle, kBarcode, kCallNumber };
constexpr const std::array<std::string_view, 4>& kTags = kFullLabelTags;

// How many bytes of `text` hold its first `units` characters as the windows
// count them, in UTF-16 units: a character outside the basic plane (an
// emoji, say) counts two, and never goes in parted: it goes whole to what
// follows. Nothing when `text` is not valid UTF-8. One pass does both, as
// every author and title is measured.
std::optional<size_t> validBytesOfUnits(std::string_view text, size_t units) {
    size_t within = std::string_view::npos;
    size_t counted = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t ascii = bytesearch::asciiPrefix(text.substr(i));  // one byte, one unit
        if (within == std::string_view::npos && counted + ascii > units) {
            within = i + (units - counted);
        }
        counted += ascii;
        i += ascii;
        if (i == text.size()) break;
        const int length = codepage::utf8SequenceAt(text.substr(i));
        if (length == 0) return std::nullopt;
        const size_t unitsOfChar = length == 4 ? 2 : 1;
        if (within == std::string_view::npos && counted + unitsOfChar > units) within = i;
        counted += unitsOfChar;
        i += size_t(length);
    }
    return std::min(within, text.size());
}

// Appends one or two lines of a value in valid UTF-8, whose first
// `withinLimit` bytes hold its first `limit` units (validBytesOfUnits). One
// line when that is all of it. Otherwise line 1 ends with the last blank
// among them (holds all of them when there is none), and line 2 holds at most
// `secondLength` units after it; the rest is dropped. Returns whether
// anything was dropped.
bool appendWrapped(std::string_view value, size_t withinLimit, int secondLength,
                   labellist::LabelList& list) {
    bool dropped = false;
    if (withinLimit == value.size()) {
        list.appendUtf8(value);
    } else {
        // A blank is one byte and one unit: the last one among the first
        // `limit` units ends line 1.
        const size_t blank = value.substr(0, withinLimit).rfind(' ');
        const size_t first = blank == std::string_view::npos ? withinLimit : blank + 1;
        list.appendUtf8(value.substr(0, first));
        const std::string_view rest = value.substr(first);
        const size_t second = *validBytesOfUnits(rest, size_t(secondLength));
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
    for (labellist::LabelList* list :
         {&g.barcodes, &g.callNumberLines, &g.authorLines, &g.titleLines}) {
        list->reserve(room, room / 8);
    }
    std::string scratch;  // one repaired value at a time
    qint64 authors = 0, titles = 0;
    g.status = scan(kTags, [&](std::string_view line, std::span<const size_t> at) {
        auto value = [&](Tag tag) { return printfile::valueAt(line, at[tag]); };
        // Repaired where it is not valid UTF-8 (most values are their own
        // repair), then wrapped.
        auto appendText = [&](Tag tag, int limit, int secondLength, labellist::LabelList& list) {
            std::string_view text = value(tag);
            std::optional<size_t> withinLimit = validBytesOfUnits(text, size_t(limit));
            if (!withinLimit) {
                scratch.clear();
                codepage::appendRepaired(text, scratch);
                text = scratch;
                withinLimit = validBytesOfUnits(text, size_t(limit));
            }
            return appendWrapped(text, *withinLimit, secondLength, list);
        };
        if (at[kAuthor] != printfile::kNotFound) {
            if (appendText(kAuthor, kAuthorLineLength, kAuthorLineLength, g.authorLines))
                g.shortenedAuthors.push_back(authors);
            ++authors;
        }
        if (at[kTitle] != printfile::kNotFound) {
            if (appendText(kTitle, kTitleFirstLineLength, kTitleSecondLineLength, g.titleLines))
                g.shortenedTitles.push_back(titles);
            ++titles;
        }
        if (at[kBarcode] != printfile::kNotFound) {
            g.barcodes.appendDecoded(value(kBarcode));
            g.barcodes.appendSeparator();
        }
        if (at[kCallNumber] != printfile::kNotFound) {
            ++g.labelCount;
            labellist::appendCallNumberLines(value(kCallNumber), g.callNumberLines);
            g.callNumberLines.appendSeparator();
        }
    });
    return g;
}

FullGeneration ended(FullGeneration g) {
    g.authorLines.append(labellist::kEndMarker);
    g.callNumberLines.append(labellist::kEndMarker);
    return g;
}

// `more`'s labels after those of `g`, neither ended yet.
void join(FullGeneration& g, FullGeneration&& more) {
    const qint64 authors = g.authorLines.separatorCount();
    for (qint64 k : more.shortenedAuthors) g.shortenedAuthors.push_back(authors + k);
    const qint64 titles = g.titleLines.separatorCount();
    for (qint64 k : more.shortenedTitles) g.shortenedTitles.push_back(titles + k);
    g.barcodes.append(std::move(more.barcodes));
    g.callNumberLines.append(std::move(more.callNumberLines));
    g.authorLines.append(std::move(more.authorLines));
    g.titleLines.append(std::move(more.titleLines));
    g.labelCount += more.labelCount;
    if (!printfile::readable(more.status)) g.status = more.status;
}

FullGeneration listsOf(QIODevice& printFile) {
    return listsOf(0, [&](auto tags, auto onLine) { return printfile::scan(printFile, tags, onLine); });
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
        join));
}

FullGeneration generateFullLabels(QIODevice& printFile) { return ended(listsOf(printFile)); }

FullGeneration joined(FullGeneration generated, QIODevice& more) {
    generated.authorLines.removeLast();  // the end markers
    generated.callNumberLines.removeLast();
    join(generated, listsOf(more));
    return ended(std::move(generated));
}

const labellist::LabelList& FullGeneration::list(Field field) const {
    switch (field) {
        case kBarcodeField:
            return barcodes;
        case kCallNumberField:
            return callNumberLines;
        case kAuthorField:
            return authorLines;
        default:
            return titleLines;
    }
}

labellist::LabelList& FullGeneration::list(Field field) {
    return const_cast<labellist::LabelList&>(std::as_const(*this).list(field));
}

namespace {

// One list of a job: the group of `label` in `from`, or an empty one.
struct ListCopy {
    const labellist::LabelList& from;
    labellist::LabelList& to;
    bool emptyLine;  // what a missing group reads as: an empty line, or nothing
    std::vector<qsizetype> starts = labellist::labelStarts(from);

    void append(qint64 label) {
        if (label < qint64(starts.size()))
            return labellist::appendLabel(from, starts[size_t(label)], to);
        if (emptyLine) to.appendUtf8({});
        to.appendSeparator();
    }
    // Lines edited for this job instead of the generated group.
    void append(const QStringList& lines) {
        for (const QString& line : lines) to.append(line);
        if (lines.isEmpty() && emptyLine) to.appendUtf8({});
        to.appendSeparator();
    }
    bool asGenerated(const jobselection::Entry& entry, Field field) const {
        return !entry.edited ||
               entry.edited->at(field) == labellist::linesOf(from, starts, entry.label);
    }
};

bool contains(const std::vector<qint64>& sorted, qint64 value) {
    return std::binary_search(sorted.begin(), sorted.end(), value);
}

}  // namespace

FullGeneration selectFullLabels(const FullGeneration& generated,
                                const jobselection::Selection& selection) {
    FullGeneration job;
    // A call number with no line reads as nothing; other fields, as an empty line.
    std::vector<ListCopy> lists;
    for (const Field field : {kBarcodeField, kCallNumberField, kAuthorField, kTitleField})
        lists.push_back({generated.list(field), job.list(field), field != kCallNumberField});
    for (const jobselection::Entry& entry : selection) {
        // An author or a title the user edited has lost no words to wrapping:
        // what is left is what the user chose.
        const bool authorAsGenerated = lists[kAuthorField].asGenerated(entry, kAuthorField);
        const bool titleAsGenerated = lists[kTitleField].asGenerated(entry, kTitleField);
        for (int copy = 0; copy < entry.copies; ++copy) {
            if (authorAsGenerated && contains(generated.shortenedAuthors, entry.label))
                job.shortenedAuthors.push_back(job.labelCount);
            if (titleAsGenerated && contains(generated.shortenedTitles, entry.label))
                job.shortenedTitles.push_back(job.labelCount);
            for (int field = 0; field < kFieldCount; ++field) {
                if (!entry.edited) {
                    lists[size_t(field)].append(entry.label);
                } else if (field == kCallNumberField) {
                    lists[size_t(field)].append(
                        entry.edited->at(size_t(field)).mid(0, labellist::kMaxCallNumberLines));
                } else {
                    lists[size_t(field)].append(entry.edited->at(size_t(field)));
                }
            }
            ++job.labelCount;
        }
    }
    return ended(std::move(job));
}

QString mismatchWarning(const FullGeneration& g) {
    const qint64 barcodes = g.barcodes.separatorCount();
    const qint64 callNumbers = g.callNumberLines.separatorCount();
    const qint64 titles = g.titleLines.separatorCount();
    const qint64 authors = g.authorLines.separatorCount();
    if (barcodes == callNumbers && callNumbers == titles && titles == authors) return {};
    return Text::tr(
               "El archivo de etiquetas no trae los mismos datos para todos los ejemplares: "
               "se encontraron %1 códigos de barras, %2 clasificaciones, %3 títulos y %4 autores.\n"
               "Las etiquetas no corresponderán a sus ejemplares.")
        .arg(barcodes)
        .arg(callNumbers)
        .arg(titles)
        .arg(authors);
}

}  // namespace fichas
