#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

// A library's own label: what is drawn on each label and how, kept in a
// design file a library passes to its staff. With none chosen, each program
// draws its labels as it always did. Where the labels go is the positions'
// and the stock's business, not the design's.
namespace design {

enum class Align { Left, Centre, Right };
enum class Vertical { Top, Centre, Bottom };
enum class Symbology { Text, Code128, Code39, Codabar };

// A face and its style; what is not given stays as the program draws it.
struct Face {
    std::optional<QString> name;
    std::optional<double> points;
    std::optional<bool> bold;
    std::optional<bool> italic;

    bool operator==(const Face&) const = default;
};

// Lines from other tags a spine label may have above its call number, and
// as many below.
constexpr int kMaxTagLines = 3;

// A line of the spine label taken from another tag of the print file, as
// the table of short codes turns its value: "z30-sub-library", or the first
// three letters of the author in capitals, "z13-author:3:mayusculas".
struct TagLine {
    QString tag;                   // without its brackets: "z30-sub-library"
    int letters = 0;               // the value's first letters only; 0: all of it
    std::optional<bool> capitals;  // none: as the call number's lines

    bool operator==(const TagLine&) const = default;
};

// [tejuelo]: the spine label of lomos.
struct Spine {
    Face face;
    bool capitals = false;
    Align align = Align::Left;
    Vertical vertical = Vertical::Top;
    int freeLines = 0;                  // blank lines left above the first
    std::optional<double> lineStepCm;   // none: the program's 0.3 cm
    bool faceLineSpacing = false;       // the face's own line spacing instead
    QString breakAt;                    // characters that start a new line, not printed
    bool breakAtBlanks = true;
    QStringList dropped;                // words left out of the call number
    std::vector<TagLine> above, below;  // lines from other tags, above and below the call number

    // The tags it reads besides the call number.
    QStringList tags() const;
    int tagLineCount() const { return int(above.size() + below.size()); }

    bool operator==(const Spine&) const = default;
};

// [ficha]: the full label of fichas, field by field in the order barcode,
// call number, author, title.
struct Full {
    Face fields[4];
    Symbology barcode = Symbology::Text;

    bool operator==(const Full&) const = default;
};

struct Design {
    Spine spine;
    Full full;
    std::map<QString, QString> codes;  // [siglas]: a tag's value and its short code

    // The code for a tag's value; the value as it stands when it has none.
    QString codeFor(const QString& value) const;
    // Whether it draws as the programs do without one.
    bool isDefault() const { return *this == Design(); }
    bool operator==(const Design&) const = default;
};

// A key of a design file as the design window offers it: a row with its
// caption and the control that writes its value.
struct FormKey {
    enum class Kind { Text, Face, YesNo, Choice };
    struct Choice {
        QString value;    // as the file writes it; empty: the key left out
        QString caption;  // as the window shows it
    };
    QString key;
    QString caption;
    Kind kind = Kind::Text;
    QString hint;                 // a text: what it takes, shown while empty
    bool yesByDefault = false;    // a yes or no: what it is when left out
    std::vector<Choice> choices;  // a choice: the first is the key left out
};

// The rows of a program's section of the design file ("tejuelo", "ficha"),
// and whether it reads the table of short codes.
struct Form {
    QString section;
    std::vector<FormKey> keys;
    bool codes = false;
};

// A design file read whole, or why not (naming the key and its line).
struct Read {
    std::optional<Design> design;
    QString problem;
    QString key;  // the key whose value was refused, if that was why
    QString why;  // what is wrong with its value
};

// Reads a design file: UTF-8, sections [tejuelo], [ficha] and [siglas],
// "key = value" lines, ";" or "#" starting a comment. An unknown section or
// key, or a value out of its range, refuses the whole file.
Read readFile(const QString& path);
Read readText(const QByteArray& bytes);

// The file's text for `design`, every key it sets, for "Guardar como…".
QByteArray toText(const Design& design);

// Writes `design` to a design file, replacing it whole; why not, in the
// system's words, or empty.
QString writeFile(const QString& path, const Design& design);

// The design file each program uses, chosen per user; none: the program's
// own labels.
QString chosenFile(const QString& program);
void chooseFile(const QString& program, const QString& path);
// Where a design made in the window and not saved elsewhere is kept, in the
// user's own folder.
QString ownFile(const QString& program);

}  // namespace design
