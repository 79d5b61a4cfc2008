#include "common/core/design/design.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <array>
#include <functional>

#include "common/core/files/savefile.h"
#include "common/core/files/textfile.h"
#include "common/core/files/presets.h"
#include "common/core/files/usersettings.h"
#include "common/core/program/labeljob.h"
#include "common/core/text/number.h"

namespace design {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(design)
};

// A design of a few dozen lines; anything past this is no design file.
constexpr qint64 kMaxBytes = 64 << 10;
constexpr int kMaxFreeLines = 5;
constexpr double kMaxLineStepCm = 5;

// The fields of [ficha], as their keys end: "tamano_titulo".
const char* const kFieldKeys[4] = {"codigo", "clasificacion", "autor", "titulo"};

// Reads one value into the design; the problem when it is not one.
using Setter = std::function<QString(const QString& value, Design& design)>;

QString yesNo(const QString& value, bool& into) {
    const QString v = value.toLower();
    // The file's own words, the same in every language: a design is shared.
    if (v == u"si" || v == u"sí") into = true;
    else if (v == u"no") into = false;
    else return Text::tr("«%1» no es «si» ni «no»").arg(value);
    return {};
}

QString yesNo(const QString& value, std::optional<bool>& into) {
    bool read = false;
    const QString problem = yesNo(value, read);
    if (problem.isEmpty()) into = read;
    return problem;
}

QString points(const QString& value, std::optional<double>& into) {
    if (!isFontSize(value)) {
        return Text::tr("«%1» no es un tamaño de %2 a %3 puntos")
            .arg(value)
            .arg(kMinFontPoints)
            .arg(kMaxFontPoints);
    }
    into = parseNumber(value);
    return {};
}

QString faceName(const QString& value, std::optional<QString>& into) {
    if (value.isEmpty()) return Text::tr("falta el nombre de la letra");
    into = value;
    return {};
}

template <class Enum>
QString oneOf(const QString& value, std::initializer_list<std::pair<const char*, Enum>> names,
              Enum& into) {
    QStringList allowed;
    for (const auto& [name, e] : names) {
        if (value.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            into = e;
            return {};
        }
        allowed.append(QString::fromUtf8(name));
    }
    return Text::tr("«%1» no es ninguno de: %2").arg(value, allowed.join(QStringLiteral(", ")));
}

// One line from a tag: "z13-author", "z13-author:3", "z13-author:3:mayusculas".
QString tagLine(const QString& entry, TagLine& into) {
    static const QRegularExpression kTag(QStringLiteral("^<?([a-z0-9-]+)>?$"));
    const QStringList parts = entry.split(u':');
    const QRegularExpressionMatch name = kTag.match(parts.front().trimmed().toLower());
    if (!name.hasMatch())
        return Text::tr("«%1» no es una etiqueta del archivo, como z30-sub-library").arg(entry);
    into = {name.captured(1), 0, std::nullopt};
    for (const QString& part : parts.mid(1)) {
        const QString option = part.trimmed().toLower();
        bool isNumber = false;
        const int letters = option.toInt(&isNumber);
        if (isNumber && letters >= 1 && letters <= 30) {
            into.letters = letters;
        } else if (option == u"mayusculas" || option == u"mayúsculas") {
            into.capitals = true;
        } else if (option == u"minusculas" || option == u"minúsculas") {
            into.capitals = false;
        } else {
            return Text::tr("«%1» no es un número de letras de 1 a 30, ni «mayusculas» ni "
                            "«minusculas»")
                .arg(part.trimmed());
        }
    }
    return {};
}

QString tagLines(const QString& value, std::vector<TagLine>& into) {
    into.clear();
    for (const QString& entry : value.split(u',', Qt::SkipEmptyParts)) {
        if (entry.trimmed().isEmpty()) continue;
        TagLine line;
        if (const QString why = tagLine(entry.trimmed(), line); !why.isEmpty()) return why;
        into.push_back(line);
    }
    if (into.size() > size_t(kMaxTagLines))
        return Text::tr("son más de %1 líneas").arg(kMaxTagLines);
    return {};
}

QString tagLinesText(const std::vector<TagLine>& lines) {
    QStringList entries;
    for (const TagLine& line : lines) {
        QString entry = line.tag;
        if (line.letters > 0) entry += QStringLiteral(":%1").arg(line.letters);
        if (line.capitals)
            entry += *line.capitals ? QStringLiteral(":mayusculas") : QStringLiteral(":minusculas");
        entries.append(entry);
    }
    return entries.join(QStringLiteral(", "));
}

// The keys of a face, for the spine label or a field of the full label
// ("fuente" or "fuente_autor").
void faceKeys(std::map<QString, Setter>& keys, const QString& suffix,
              const std::function<Face&(Design&)>& face) {
    keys[QStringLiteral("fuente") + suffix] = [face](const QString& v, Design& d) {
        return faceName(v, face(d).name);
    };
    keys[QStringLiteral("tamano") + suffix] = [face](const QString& v, Design& d) {
        return points(v, face(d).points);
    };
    keys[QStringLiteral("negrita") + suffix] = [face](const QString& v, Design& d) {
        return yesNo(v, face(d).bold);
    };
    keys[QStringLiteral("cursiva") + suffix] = [face](const QString& v, Design& d) {
        return yesNo(v, face(d).italic);
    };
}

std::map<QString, Setter> spineKeys() {
    std::map<QString, Setter> keys;
    faceKeys(keys, {}, [](Design& d) -> Face& { return d.spine.face; });
    keys[QStringLiteral("mayusculas")] = [](const QString& v, Design& d) {
        return yesNo(v, d.spine.capitals);
    };
    keys[QStringLiteral("alineacion")] = [](const QString& v, Design& d) {
        return oneOf<Align>(v, {{"izquierda", Align::Left}, {"centro", Align::Centre}, {"derecha", Align::Right}},
                            d.spine.align);
    };
    keys[QStringLiteral("vertical")] = [](const QString& v, Design& d) {
        return oneOf<Vertical>(v, {{"arriba", Vertical::Top}, {"centro", Vertical::Centre}, {"abajo", Vertical::Bottom}},
                               d.spine.vertical);
    };
    keys[QStringLiteral("lineas_libres")] = [](const QString& v, Design& d) {
        bool ok = false;
        const int n = v.toInt(&ok);
        if (!ok || n < 0 || n > kMaxFreeLines)
            return Text::tr("«%1» no es un número de líneas de 0 a %2").arg(v).arg(kMaxFreeLines);
        d.spine.freeLines = n;
        return QString();
    };
    keys[QStringLiteral("interlineado")] = [](const QString& v, Design& d) {
        if (v.compare(QLatin1String("fuente"), Qt::CaseInsensitive) == 0) {
            d.spine.faceLineSpacing = true;
            return QString();
        }
        const std::optional<double> cm = parseNumber(v);
        if (!cm || *cm <= 0 || *cm > kMaxLineStepCm)
            return Text::tr("«%1» no son centímetros de más de 0 a %2, ni «fuente»").arg(v).arg(kMaxLineStepCm);
        d.spine.lineStepCm = cm;
        return QString();
    };
    keys[QStringLiteral("cortar_en")] = [](const QString& v, Design& d) {
        d.spine.breakAt = v;
        return QString();
    };
    keys[QStringLiteral("cortar_en_espacios")] = [](const QString& v, Design& d) {
        return yesNo(v, d.spine.breakAtBlanks);
    };
    keys[QStringLiteral("quitar")] = [](const QString& v, Design& d) {
        d.spine.dropped.clear();
        for (const QString& word : v.split(u',', Qt::SkipEmptyParts))
            if (!word.trimmed().isEmpty()) d.spine.dropped.append(word.trimmed());
        return QString();
    };
    keys[QStringLiteral("encima")] = [](const QString& v, Design& d) {
        return tagLines(v, d.spine.above);
    };
    keys[QStringLiteral("debajo")] = [](const QString& v, Design& d) {
        return tagLines(v, d.spine.below);
    };
    return keys;
}

std::map<QString, Setter> fullKeys() {
    std::map<QString, Setter> keys;
    // Without a field's name, for all four; with it, for that one.
    faceKeys(keys, {}, [](Design& d) -> Face& { return d.full.fields[0]; });
    for (int f = 0; f < 4; ++f) {
        faceKeys(keys, QLatin1Char('_') + QLatin1String(kFieldKeys[f]),
                 [f](Design& d) -> Face& { return d.full.fields[f]; });
    }
    keys[QStringLiteral("codigo")] = [](const QString& v, Design& d) {
        return oneOf<Symbology>(v, {{"texto", Symbology::Text}, {"code128", Symbology::Code128},
                                    {"code39", Symbology::Code39}, {"codabar", Symbology::Codabar}},
                                d.full.barcode);
    };
    return keys;
}

// The face of every field of [ficha] that names none of its own takes the
// one given for all.
void shareFullFace(Design& design, const Face& forAll, const std::array<Face, 4>& own) {
    for (int f = 0; f < 4; ++f) {
        Face& face = design.full.fields[f];
        face = own[size_t(f)];
        if (!face.name) face.name = forAll.name;
        if (!face.points) face.points = forAll.points;
        if (!face.bold) face.bold = forAll.bold;
        if (!face.italic) face.italic = forAll.italic;
    }
}

}  // namespace

QStringList Spine::tags() const {
    QStringList tags;
    for (const auto* lines : {&above, &below})
        for (const TagLine& line : *lines)
            if (!tags.contains(line.tag)) tags.append(line.tag);
    return tags;
}

QString Design::codeFor(const QString& value) const {
    const auto code = codes.find(value.trimmed());
    return code == codes.end() ? value : code->second;
}

Read readText(const QByteArray& bytes) {
    auto refused = [](int line, const QString& why) {
        return Read{std::nullopt, Text::tr("línea %1: %2").arg(line).arg(why), {}, why};
    };
    if (bytes.contains('\0')) return {std::nullopt, Text::tr("no es un archivo de texto")};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError()) return {std::nullopt, Text::tr("no está escrito en UTF-8")};

    const std::map<QString, Setter> spine = spineKeys(), full = fullKeys();
    Design design;
    // [ficha]'s faces for all fields and for each one, put together at the end.
    Design forAll, ownFields;
    enum class Section { None, Spine, Full, Codes } section = Section::None;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[')) {
            const QString name = line.mid(1, line.indexOf(u']') - 1).trimmed().toLower();
            if (name == u"tejuelo") section = Section::Spine;
            else if (name == u"ficha") section = Section::Full;
            else if (name == u"siglas") section = Section::Codes;
            else return refused(n + 1, Text::tr("la sección [%1] no existe").arg(name));
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0) return refused(n + 1, Text::tr("falta «=» en «%1»").arg(line));
        const QString key = line.left(equals).trimmed(), value = line.mid(equals + 1).trimmed();
        if (section == Section::Codes) {
            if (key.isEmpty()) return refused(n + 1, Text::tr("falta el valor antes de «=»"));
            design.codes[key] = value;
            continue;
        }
        const std::map<QString, Setter>* keys = section == Section::Spine ? &spine
                                                : section == Section::Full ? &full
                                                                           : nullptr;
        const auto setter = keys ? keys->find(key.toLower()) : spine.end();
        if (!keys || setter == keys->end()) {
            return refused(n + 1, section == Section::None
                                      ? Text::tr("«%1» está fuera de toda sección").arg(key)
                                      : Text::tr("la clave «%1» no existe").arg(key));
        }
        Design& into = section == Section::Full && !key.contains(u'_') ? forAll
                       : section == Section::Full                      ? ownFields
                                                                       : design;
        if (const QString why = setter->second(value, into); !why.isEmpty()) {
            Read read = refused(n + 1, Text::tr("%1: %2").arg(key, why));
            read.key = key.toLower();
            read.why = why;  // the value's fault alone, for the window to name its row
            return read;
        }
        if (&into == &forAll) design.full.barcode = forAll.full.barcode;
    }
    std::array<Face, 4> own;
    for (int f = 0; f < 4; ++f) own[size_t(f)] = ownFields.full.fields[f];
    shareFullFace(design, forAll.full.fields[0], own);
    return {design, {}};
}

Read readFile(const QString& path) {
    QFile file(path);
    if (!textfile::isRegularFile(path) || !file.open(QIODevice::ReadOnly))
        return {std::nullopt, Text::tr("no se puede leer el archivo")};
    if (file.size() > kMaxBytes) {
        return {std::nullopt,
                Text::tr("mide más de %1 KB: no es un archivo de diseño").arg(kMaxBytes >> 10)};
    }
    return readText(file.readAll());
}

namespace {

QString yesNoText(bool value) { return value ? QStringLiteral("si") : QStringLiteral("no"); }

// The lines of a face's keys that it sets, each with `suffix`.
void writeFace(QStringList& lines, const Face& face, const QString& suffix) {
    if (face.name) lines << QStringLiteral("fuente%1 = %2").arg(suffix, *face.name);
    if (face.points) lines << QStringLiteral("tamano%1 = %2").arg(suffix, QString::number(*face.points));
    if (face.bold) lines << QStringLiteral("negrita%1 = %2").arg(suffix, yesNoText(*face.bold));
    if (face.italic) lines << QStringLiteral("cursiva%1 = %2").arg(suffix, yesNoText(*face.italic));
}

}  // namespace

QByteArray toText(const Design& d) {
    const Spine none;
    QStringList lines{QStringLiteral("[tejuelo]")};
    writeFace(lines, d.spine.face, {});
    if (d.spine.capitals) lines << QStringLiteral("mayusculas = si");
    const char* const aligns[] = {"izquierda", "centro", "derecha"};
    const char* const verticals[] = {"arriba", "centro", "abajo"};
    if (d.spine.align != none.align) lines << QStringLiteral("alineacion = %1").arg(QLatin1String(aligns[int(d.spine.align)]));
    if (d.spine.vertical != none.vertical) lines << QStringLiteral("vertical = %1").arg(QLatin1String(verticals[int(d.spine.vertical)]));
    if (d.spine.freeLines) lines << QStringLiteral("lineas_libres = %1").arg(d.spine.freeLines);
    if (d.spine.faceLineSpacing) lines << QStringLiteral("interlineado = fuente");
    else if (d.spine.lineStepCm) lines << QStringLiteral("interlineado = %1").arg(*d.spine.lineStepCm);
    if (!d.spine.breakAt.isEmpty()) lines << QStringLiteral("cortar_en = %1").arg(d.spine.breakAt);
    if (!d.spine.breakAtBlanks) lines << QStringLiteral("cortar_en_espacios = no");
    if (!d.spine.dropped.isEmpty()) lines << QStringLiteral("quitar = %1").arg(d.spine.dropped.join(u','));
    if (!d.spine.above.empty()) lines << QStringLiteral("encima = %1").arg(tagLinesText(d.spine.above));
    if (!d.spine.below.empty()) lines << QStringLiteral("debajo = %1").arg(tagLinesText(d.spine.below));
    lines << QString() << QStringLiteral("[ficha]");
    for (int f = 0; f < 4; ++f)
        writeFace(lines, d.full.fields[f], QLatin1Char('_') + QLatin1String(kFieldKeys[f]));
    const char* const symbologies[] = {"texto", "code128", "code39", "codabar"};
    if (d.full.barcode != Symbology::Text)
        lines << QStringLiteral("codigo = %1").arg(QLatin1String(symbologies[int(d.full.barcode)]));
    lines << QString() << QStringLiteral("[siglas]");
    for (const auto& [value, code] : d.codes) lines << QStringLiteral("%1 = %2").arg(value, code);
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QString writeFile(const QString& path, const Design& design) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    SaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    file.write(toText(design));
    if (!file.commitWhole()) return file.errorString();
    return {};
}

QString ownFile(const QString& program) {
    return QDir(textfile::userFolder()).filePath(QStringLiteral("diseno-%1.ini").arg(program));
}

QString chosenFile(const QString& program) {
    const QSettings settings = usersettings::ofProgram(program);
    const QString key = QStringLiteral("diseno/archivo");
    std::optional<QString> own;
    if (settings.contains(key)) own = settings.value(key).toString();
    return presets::machine().inForce(presets::Key::Design, own).value_or(QString());
}

void chooseFile(const QString& program, const QString& path) {
    QSettings settings = usersettings::ofProgram(program);
    // None chosen is kept too, so that no preset replaces it.
    settings.setValue(QStringLiteral("diseno/archivo"), path);
}

}  // namespace design
