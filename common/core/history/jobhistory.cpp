#include "common/core/history/jobhistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <algorithm>

#include "common/core/files/savefile.h"

namespace jobhistory {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(jobhistory)
};

// A job file: a first line naming it, "key=value" lines, then sections of
// bytes, each "[name length]" and that many bytes and a line end, and "fin"
// last: a file cut short anywhere is no job.
constexpr QByteArrayView kFirstLine = "etiquetas-trabajo\n";
constexpr QByteArrayView kLastLine = "fin\n";
const QString kSuffix = QStringLiteral(".trabajo");

// Inside a value: a label's fields are separated by tabs, a field's lines
// by the unit separator, labels by line ends; a field without lines is
// the record separator alone.
constexpr char kFieldBreak = '\t';
constexpr char kLineBreak = '\x1f';
constexpr char kNoLines = '\x1e';

QByteArray escaped(const QString& text) {
    QByteArray out;
    const QByteArray utf8 = text.toUtf8();
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case kLineBreak: out += "\\f"; break;
            case kNoLines: out += "\\e"; break;
            default: out += c;
        }
    }
    return out;
}

QString unescaped(QByteArrayView bytes) {
    if (!bytes.contains('\\')) return QString::fromUtf8(bytes);
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\\' || i + 1 == bytes.size()) {
            out += bytes[i];
            continue;
        }
        switch (bytes[++i]) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'f': out += kLineBreak; break;
            case 'e': out += kNoLines; break;
            default: out += bytes[i];
        }
    }
    return QString::fromUtf8(out);
}

QByteArray labelBytes(const Fields& fields) {
    QByteArray out;
    for (size_t f = 0; f < fields.size(); ++f) {
        if (f > 0) out += kFieldBreak;
        if (fields[f].isEmpty()) out += kNoLines;
        for (qsizetype l = 0; l < fields[f].size(); ++l) {
            if (l > 0) out += kLineBreak;
            out += escaped(fields[f][l]);
        }
    }
    return out;
}

Fields labelOf(QByteArrayView bytes) {
    Fields fields;
    for (const QByteArrayView field : QByteArray::fromRawData(bytes.data(), bytes.size()).split(kFieldBreak)) {
        QStringList lines;
        if (field != QByteArrayView(&kNoLines, 1)) {
            for (const QByteArrayView line : QByteArray::fromRawData(field.data(), field.size()).split(kLineBreak))
                lines.append(unescaped(line));
        }
        fields.push_back(lines);
    }
    return fields;
}

// The lines of a section, each closed by a line end: a label whose only
// field is one empty line is an empty line.
QList<QByteArray> linesOf(QByteArrayView section) {
    if (section.isEmpty()) return {};
    return QByteArray::fromRawData(section.data(), section.size() - 1).split('\n');
}

// A job file cut into its keys and sections, pointing into its bytes.
struct Parts {
    std::vector<std::pair<QByteArrayView, QByteArrayView>> keys;
    std::vector<std::pair<QByteArrayView, QByteArrayView>> sections;

    QByteArrayView key(QByteArrayView name) const {
        for (const auto& [k, v] : keys)
            if (k == name) return v;
        return {};
    }
    QByteArrayView section(QByteArrayView name) const {
        for (const auto& [k, v] : sections)
            if (k == name) return v;
        return {};
    }
};

std::optional<Parts> split(QByteArrayView bytes) {
    if (!bytes.startsWith(kFirstLine) || !bytes.endsWith(kLastLine)) return std::nullopt;
    Parts parts;
    qsizetype at = kFirstLine.size();
    const qsizetype end = bytes.size() - kLastLine.size();
    while (at < end && bytes[at] != '[') {
        const qsizetype lineEnd = bytes.indexOf('\n', at);
        const qsizetype equals = bytes.indexOf('=', at);
        if (lineEnd < 0 || equals < 0 || equals > lineEnd) return std::nullopt;
        parts.keys.emplace_back(bytes.sliced(at, equals - at), bytes.sliced(equals + 1, lineEnd - equals - 1));
        at = lineEnd + 1;
    }
    while (at < end) {
        const qsizetype lineEnd = bytes.indexOf('\n', at);
        const qsizetype space = bytes.lastIndexOf(' ', lineEnd);
        if (bytes[at] != '[' || lineEnd < 0 || space <= at || bytes[lineEnd - 1] != ']')
            return std::nullopt;
        bool number = false;
        const qsizetype length = bytes.sliced(space + 1, lineEnd - space - 2).toLongLong(&number);
        const qsizetype from = lineEnd + 1;
        if (!number || length < 0 || length > end - from - 1 || bytes[from + length] != '\n')
            return std::nullopt;
        parts.sections.emplace_back(bytes.sliced(at + 1, space - at - 1), bytes.sliced(from, length));
        at = from + length + 1;
    }
    if (at != end) return std::nullopt;
    return parts;
}

const QByteArrayView kKnownKeys[] = {"programa", "fecha", "hoja", "tamano", "etiquetas", "primera", "ultima"};
const QByteArrayView kKnownSections[] = {"etiquetas", "ediciones", "diseno", "elementos"};

template <class Known>
bool isKnown(const Known& known, QByteArrayView name) {
    return std::find(std::begin(known), std::end(known), name) != std::end(known);
}

void addSection(QByteArray& out, QByteArrayView name, QByteArrayView bytes) {
    out += '[' + name.toByteArray() + ' ' + QByteArray::number(bytes.size()) + "]\n";
    out += bytes;
    out += '\n';
}

// `text` case-folded in place, a field's lines read as one, the way the
// client wrote the call number. Most of a history is ASCII, folded here
// without Qt's tables: a thousand jobs are read each time the window opens.
void foldForSearch(QString& text) {
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            if (u >= 'A' && u <= 'Z') c = QChar(char16_t(u + 32));
            else if (u == char16_t(kLineBreak)) c = QChar(u' ');
        } else if (!c.isSurrogate()) {
            c = c.toCaseFolded();
        }
    }
}

// The fields of every label and every edit (without the number of its
// label), folded for the search.
QString searchTextOf(QByteArrayView labels, QByteArrayView edits) {
    QByteArray edited;
    for (const QByteArrayView line : linesOf(edits)) {
        edited += line.sliced(line.indexOf(kFieldBreak) + 1);
        edited += '\n';
    }
    QString text = QString::fromUtf8(labels) + u'\n' + QString::fromUtf8(edited);
    foldForSearch(text);
    return text;
}

QDateTime dateOfName(const QString& file) {
    return QDateTime::fromString(QFileInfo(file).completeBaseName().section(u'-', 1, 1),
                                 QStringLiteral("yyyyMMddTHHmmss"));
}

qint64 numberOfName(const QString& file) {
    return QFileInfo(file).completeBaseName().section(u'-', 0, 0).toLongLong();
}

}  // namespace

QByteArray toBytes(const KeptJob& job) {
    QByteArray out = kFirstLine.toByteArray();
    auto key = [&](QByteArrayView name, const QString& value) {
        out += name.toByteArray() + '=' + escaped(value) + '\n';
    };
    key("programa", job.program);
    key("fecha", job.made.toString(Qt::ISODateWithMs));
    key("hoja", job.stock);
    if (!job.fontSize.isEmpty()) key("tamano", job.fontSize);
    key("etiquetas", QString::number(job.labels.size()));
    key("primera", job.firstCallNumber);
    key("ultima", job.lastCallNumber);
    for (const auto& [name, value] : job.otherKeys) out += name + '=' + value + '\n';
    QByteArray labels, edits;
    for (const Fields& fields : job.labels) labels += labelBytes(fields) + '\n';
    for (const auto& [label, fields] : job.edits)
        edits += QByteArray::number(label) + kFieldBreak + labelBytes(fields) + '\n';
    addSection(out, "etiquetas", labels);
    addSection(out, "ediciones", edits);
    addSection(out, "diseno", job.design);
    addSection(out, "elementos", job.items);
    for (const auto& [name, bytes] : job.otherSections) addSection(out, name, bytes);
    return out + kLastLine.toByteArray();
}

std::optional<KeptJob> fromBytes(const QByteArray& bytes) {
    const std::optional<Parts> parts = split(bytes);
    if (!parts) return std::nullopt;
    KeptJob job;
    job.program = unescaped(parts->key("programa"));
    job.made = QDateTime::fromString(unescaped(parts->key("fecha")), Qt::ISODateWithMs);
    job.stock = unescaped(parts->key("hoja"));
    job.fontSize = unescaped(parts->key("tamano"));
    job.firstCallNumber = unescaped(parts->key("primera"));
    job.lastCallNumber = unescaped(parts->key("ultima"));
    for (const QByteArrayView line : linesOf(parts->section("etiquetas")))
        job.labels.push_back(labelOf(line));
    for (const QByteArrayView line : linesOf(parts->section("ediciones"))) {
        const qsizetype tab = line.indexOf(kFieldBreak);
        bool number = false;
        const qint64 label = tab < 0 ? -1 : line.first(tab).toLongLong(&number);
        if (number && label >= 0) job.edits[label] = labelOf(line.sliced(tab + 1));
    }
    job.design = parts->section("diseno").toByteArray();
    job.items = parts->section("elementos").toByteArray();
    for (const auto& [name, value] : parts->keys)
        if (!isKnown(kKnownKeys, name)) job.otherKeys.emplace_back(name.toByteArray(), value.toByteArray());
    for (const auto& [name, value] : parts->sections)
        if (!isKnown(kKnownSections, name)) job.otherSections.emplace_back(name.toByteArray(), value.toByteArray());
    return job;
}

bool matches(const Listed& listed, const QString& text) {
    QString folded = text;
    foldForSearch(folded);
    return listed.searchText.contains(folded);
}

History::History(QString folder, Bound bound, Clock clock)
    : m_folder(std::move(folder)), m_bound(bound), m_clock(std::move(clock)) {}

QString History::userFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/trabajos");
}

QStringList History::files() const {
    const QStringList names =
        QDir(m_folder).entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name);
    QStringList paths;
    paths.reserve(names.size());
    for (const QString& name : names) paths.append(m_folder + u'/' + name);
    return paths;
}

namespace {

// A name beside `path` that nothing has yet, to set it aside under. The
// ending is a name on disk, the same in every language, as the file's keys.
QString asideName(const QString& path) {
    QString aside = path + QStringLiteral(".dañado");
    for (int n = 2; QFileInfo::exists(aside); ++n) aside = path + QStringLiteral(".dañado%1").arg(n);
    return aside;
}

}  // namespace

void History::setAside(const QString& file) {
    // One that cannot be moved (another program holds it) is said once a run.
    const QString aside = asideName(file);
    const bool moved = QFile::rename(file, aside);
    if (!moved && m_damaged.contains(file)) return;
    m_damaged.insert(file);
    m_notices.append(
        moved ? Text::tr("Un trabajo guardado estaba dañado y se ha apartado como «%1»; los demás "
                         "siguen guardados.")
                    .arg(QDir::toNativeSeparators(aside))
              : Text::tr("Un trabajo guardado está dañado y no se puede apartar: «%1».")
                    .arg(QDir::toNativeSeparators(file)));
}

std::vector<Listed> History::list() {
    std::vector<Listed> listed;
    const QStringList all = files();
    listed.reserve(size_t(all.size()));
    for (auto file = all.crbegin(); file != all.crend(); ++file) {
        // One gone since the folder was read (another program's bound) is
        // no damage.
        QFile f(*file);
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QByteArray bytes = f.readAll();
        f.close();
        const std::optional<Parts> parts = split(bytes);
        if (!parts) {
            setAside(*file);
            continue;
        }
        listed.push_back({*file, QDateTime::fromString(unescaped(parts->key("fecha")), Qt::ISODateWithMs),
                          parts->key("etiquetas").toLongLong(), unescaped(parts->key("primera")),
                          unescaped(parts->key("ultima")), unescaped(parts->key("hoja")),
                          searchTextOf(parts->section("etiquetas"), parts->section("ediciones"))});
    }
    return listed;
}

std::optional<KeptJob> History::load(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    std::optional<KeptJob> job = fromBytes(f.readAll());
    f.close();
    if (!job) setAside(file);
    return job;
}

std::optional<KeptJob> History::newest(QString* file) {
    const QStringList all = files();
    for (auto path = all.crbegin(); path != all.crend(); ++path) {
        if (std::optional<KeptJob> job = load(*path)) {
            if (file) *file = *path;
            return job;
        }
    }
    return std::nullopt;
}

std::optional<QString> History::keep(KeptJob job) {
    const QFileInfo folder(m_folder);
    if (folder.exists() && !folder.isDir()) {
        const QString aside = asideName(m_folder);
        if (QFile::rename(m_folder, aside)) {
            m_notices.append(Text::tr("El historial de trabajos estaba dañado y se ha apartado como "
                                      "«%1»; empieza uno nuevo.")
                                 .arg(QDir::toNativeSeparators(aside)));
        }
    }
    if (!QDir().mkpath(m_folder)) {
        m_notices.append(notKept(m_folder));
        return std::nullopt;
    }
    QStringList all = files();
    job.made = m_clock();
    const qint64 number = all.isEmpty() ? 1 : numberOfName(all.last()) + 1;
    // Two programs keeping a job at once take the same number: the random
    // end keeps both.
    QString file;
    do {
        file = m_folder + QStringLiteral("/%1-%2-%3").arg(number, 10, 10, QChar(u'0'))
                              .arg(job.made.toString(QStringLiteral("yyyyMMddTHHmmss")))
                              .arg(QRandomGenerator::global()->bounded(0x10000), 4, 16, QChar(u'0')) +
               kSuffix;
    } while (QFileInfo::exists(file));
    if (!replace(file, job)) {
        m_notices.append(notKept(m_folder));
        return std::nullopt;
    }
    all.append(file);
    dropPastBound(all);
    return file;
}

void History::dropPastBound(QStringList all) {
    const QDateTime oldest = m_clock().addYears(-m_bound.years);
    qsizetype dropped = 0;
    while (dropped < all.size() - 1 &&
           (all.size() - dropped > m_bound.jobs || dateOfName(all[dropped]) < oldest)) {
        QFile::remove(all[dropped++]);
    }
}

bool History::replace(const QString& file, const KeptJob& job) {
    SaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return false;
    out.write(toBytes(job));
    return out.commitWhole();
}

bool History::remove(const QString& file) { return QFile::remove(file) || !QFileInfo::exists(file); }

QString History::notKept(const QString& folder) {
    return Text::tr("El trabajo no se ha podido guardar en «Trabajos anteriores»: no se puede "
                    "escribir en «%1». Las etiquetas siguen aquí.")
        .arg(QDir::toNativeSeparators(folder));
}

}  // namespace jobhistory
