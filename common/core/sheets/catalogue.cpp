#include "common/core/sheets/catalogue.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <optional>

#include "common/core/text/number.h"

namespace catalogue {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(catalogue)
};

// The package's files are a few hundred kilobytes; a larger one is no
// catalogue file.
constexpr qint64 kMaxFileBytes = 8 << 20;
constexpr double kMmPerPoint = 25.4 / 72;

// The units a length of the catalogue may have, and a millimetre's worth of
// each; a length without one is in points.
struct Unit {
    const char* name;
    double mm;
};
constexpr Unit kUnits[] = {
    {"pt", kMmPerPoint}, {"in", 25.4}, {"mm", 1}, {"cm", 10}, {"pc", 12 * kMmPerPoint}};

}  // namespace

std::optional<double> millimetres(QString text) {
    text = text.trimmed();
    double factor = kMmPerPoint;
    for (const Unit& unit : kUnits) {
        if (text.endsWith(QLatin1String(unit.name), Qt::CaseInsensitive)) {
            factor = unit.mm;
            text.chop(2);
            break;
        }
    }
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value * factor;
}

namespace {

struct Paper {
    double widthMm;
    double heightMm;
};

// The paper sizes of the package, and the two every printer knows.
QHash<QString, Paper> paperSizes(const QString& folder) {
    QHash<QString, Paper> sizes{{QStringLiteral("A4"), {210, 297}},
                                {QStringLiteral("US-Letter"), {215.9, 279.4}}};
    QFile file(folder + QStringLiteral("/paper-sizes.xml"));
    if (file.size() > kMaxFileBytes || !file.open(QIODevice::ReadOnly)) return sizes;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("Paper-size")) continue;
        const auto w = millimetres(xml.attributes().value("width").toString());
        const auto h = millimetres(xml.attributes().value("height").toString());
        if (w && h) sizes.insert(xml.attributes().value("id").toString(), {*w, *h});
    }
    return sizes;
}

enum class Skip { None, Shape, Layouts, Invalid };

// A template as read: a product, a twin of another, or why it is skipped.
struct Entry {
    QString brand;
    QString part;
    QString equiv;
    QString description;
    Stock stock;
    Skip skip = Skip::None;
    QString why;
};

// Reads one template, from its start element to its end.
class TemplateReader {
public:
    TemplateReader(QXmlStreamReader& xml, const QHash<QString, Paper>& papers)
        : m_xml(xml), m_papers(papers) {}

    Entry read() {
        m_unreadable.clear();
        const QXmlStreamAttributes a = m_xml.attributes();
        Entry e;
        e.brand = a.value("brand").toString().simplified();
        e.part = a.value("part").toString().simplified();
        e.equiv = a.value("equiv").toString().simplified();
        e.description = a.hasAttribute("_description") ? a.value("_description").toString()
                                                       : a.value("description").toString();
        e.stock.name = e.brand + u' ' + e.part;
        e.stock.description = e.description;
        paper(a, e);
        int labels = 0, layouts = 0;
        while (m_xml.readNextStartElement()) {
            const QStringView element = m_xml.name();
            if (element == QLatin1String("Label-rectangle")) {
                ++labels;
                rectangle(e, layouts);
            } else if (element.startsWith(QLatin1String("Label-"))) {
                ++labels;
                e.skip = Skip::Shape;
                m_xml.skipCurrentElement();
            } else {
                m_xml.skipCurrentElement();
            }
        }
        if (e.skip == Skip::None && labels + layouts == 0 && !e.equiv.isEmpty())
            return e;  // a twin
        e.equiv.clear();
        if (e.skip == Skip::None && (labels != 1 || layouts != 1)) e.skip = Skip::Layouts;
        if (e.skip == Skip::None && !m_unreadable.isEmpty()) {
            e.skip = Skip::Invalid;
            e.why = Text::tr("no se puede leer la medida %1").arg(m_unreadable);
        }
        if (e.skip == Skip::None && !e.stock.problem().isEmpty()) {
            e.skip = Skip::Invalid;
            e.why = e.stock.problem();
        }
        return e;
    }

private:
    void paper(const QXmlStreamAttributes& a, Entry& e) {
        const QString size = a.value("size").toString();
        if (m_papers.contains(size)) {
            e.stock.paperWidthMm = m_papers[size].widthMm;
            e.stock.paperHeightMm = m_papers[size].heightMm;
        } else {
            e.stock.paperWidthMm = length(a, "width");
            e.stock.paperHeightMm = length(a, "height");
        }
    }

    // A length of the template, in millimetres; 0 when it is not given. One
    // that cannot be read is kept, named, to say why the product is skipped.
    double length(const QXmlStreamAttributes& a, const char* name) {
        const QString text = a.value(QLatin1String(name)).toString();
        if (text.isEmpty()) return 0;
        if (const std::optional<double> mm = millimetres(text)) return *mm;
        if (m_unreadable.isEmpty()) m_unreadable = QStringLiteral("%1=\"%2\"").arg(name, text);
        return 0;
    }
    // A count of the layout: one when it is not given, as the format says.
    static int count(const QXmlStreamAttributes& a, const char* name) {
        const QStringView text = a.value(QLatin1String(name));
        return text.isEmpty() ? 1 : text.toInt();
    }

    void rectangle(Entry& e, int& layouts) {
        const QXmlStreamAttributes a = m_xml.attributes();
        e.stock.labelWidthMm = length(a, "width");
        e.stock.labelHeightMm = length(a, "height");
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("Layout") && ++layouts == 1) {
                const QXmlStreamAttributes l = m_xml.attributes();
                e.stock.columns = count(l, "nx");
                e.stock.rows = count(l, "ny");
                e.stock.leftMm = length(l, "x0");
                e.stock.topMm = length(l, "y0");
                e.stock.pitchXMm = length(l, "dx");
                e.stock.pitchYMm = length(l, "dy");
            }
            m_xml.skipCurrentElement();
        }
    }

    QXmlStreamReader& m_xml;
    const QHash<QString, Paper>& m_papers;
    QString m_unreadable;  // the first length of this template that cannot be read
};

QString key(const QString& brand, const QString& part) { return (brand + u'\n' + part).toLower(); }

// Reads the templates of one file into `entries`; a note when it is not
// read whole.
void readFile(const QString& path, const QHash<QString, Paper>& papers, std::vector<Entry>& entries,
              QStringList& notes) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (file.size() > kMaxFileBytes) {
        notes << Text::tr("%1: mide más de %2 MB; no se lee.").arg(name).arg(kMaxFileBytes >> 20);
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        notes << Text::tr("%1: no se puede abrir.").arg(name);
        return;
    }
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("Glabels-templates")) {
        notes << Text::tr("%1: no es un archivo de plantillas; no se lee.").arg(name);
        return;
    }
    TemplateReader reader(xml, papers);
    std::vector<Entry> read;
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("Template")) {
            xml.skipCurrentElement();
            continue;
        }
        Entry entry = reader.read();
        if (xml.hasError()) break;  // a template broken off is not taken
        read.push_back(std::move(entry));
    }
    if (xml.hasError()) {
        notes << Text::tr(
                     "%1: se deja de leer en la línea %2 (%3); se toman las %4 hojas "
                     "anteriores.")
                     .arg(name)
                     .arg(xml.lineNumber())
                     .arg(xml.errorString())
                     .arg(read.size());
    }
    std::move(read.begin(), read.end(), std::back_inserter(entries));
}

// Twins take their original's sheet, under their own name.
void resolveTwins(std::vector<Entry>& entries) {
    QHash<QString, qsizetype> byName;
    for (qsizetype i = 0; i < qsizetype(entries.size()); ++i) {
        if (entries[size_t(i)].equiv.isEmpty())
            byName.insert(key(entries[size_t(i)].brand, entries[size_t(i)].part), i);
    }
    for (Entry& twin : entries) {
        if (twin.equiv.isEmpty()) continue;
        // A twin of a twin: its original's original, a few steps at most.
        QString part = twin.equiv;
        auto original = byName.constFind(key(twin.brand, part));
        for (int step = 0; step < 8 && original == byName.constEnd(); ++step) {
            const auto next = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) {
                return !e.equiv.isEmpty() && key(e.brand, e.part) == key(twin.brand, part);
            });
            if (next == entries.end()) break;
            part = next->equiv;
            original = byName.constFind(key(twin.brand, part));
        }
        if (original == byName.constEnd()) {
            twin.skip = Skip::Invalid;
            twin.why = Text::tr("es igual a %1 %2, que no está").arg(twin.brand, twin.equiv);
            continue;
        }
        const Entry& of = entries[size_t(*original)];
        twin.skip = of.skip;
        twin.why = of.why;
        const QString name = twin.stock.name;
        twin.stock = of.stock;
        twin.stock.name = name;
        if (!twin.description.isEmpty()) twin.stock.description = twin.description;
    }
}

}  // namespace

const Stock* Catalogue::find(const QString& name) const {
    const QString wanted = name.simplified();
    for (const Stock& s : stocks) {
        if (s.name.compare(wanted, Qt::CaseInsensitive) == 0) return &s;
    }
    return nullptr;
}

Catalogue read(const QString& folder) {
    Catalogue catalogue;
    const QHash<QString, Paper> papers = paperSizes(folder);
    std::vector<Entry> entries;
    const QStringList files = QDir(folder).entryList({QStringLiteral("*-templates.xml")},
                                                     QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& file : files)
        readFile(folder + u'/' + file, papers, entries, catalogue.notes);
    resolveTwins(entries);

    QHash<QString, bool> taken;
    for (Entry& e : entries) {
        if (taken.contains(e.stock.name.toLower())) continue;
        taken.insert(e.stock.name.toLower(), true);
        switch (e.skip) {
            case Skip::None:
                catalogue.stocks.push_back(std::move(e.stock));
                break;
            case Skip::Shape:
                ++catalogue.skippedShapes;
                break;
            case Skip::Layouts:
                ++catalogue.skippedLayouts;
                break;
            case Skip::Invalid:
                ++catalogue.skippedInvalid;
                catalogue.notes << QStringLiteral("%1: %2").arg(e.stock.name, e.why);
                break;
        }
    }
    QCollator order;
    order.setNumericMode(true);
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(catalogue.stocks.begin(), catalogue.stocks.end(),
                     [&](const Stock& a, const Stock& b) { return order(a.name, b.name); });
    return catalogue;
}

QString folder() {
    const QString chosen = qEnvironmentVariable("ETIQUETAS_CATALOGO");
    if (!chosen.isEmpty()) return chosen;
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath() + QStringLiteral("/plantillas");
#else
    return QStringLiteral("/usr/share/libglabels-3.0/templates");
#endif
}

namespace {

// What a search asks of a sheet: the words of its text, and a label's size.
struct Query {
    QStringList words;
    std::optional<double> width, height;

    explicit Query(QString text) {
        // "48,5 x 25,4": a label's size, within half a millimetre.
        static const QRegularExpression kSize(
            QStringLiteral("(\\d+(?:[.,]\\d+)?)\\s*(?:mm)?\\s*[x×*]\\s*(\\d+(?:[.,]\\d+)?)"));
        if (const QRegularExpressionMatch size = kSize.match(text); size.hasMatch()) {
            width = parseNumber(size.captured(1));
            height = parseNumber(size.captured(2));
            text.remove(size.capturedStart(), size.capturedLength());
        }
        words = text.simplified().split(u' ', Qt::SkipEmptyParts);
    }

    bool describes(const Stock& s) const {
        if (width && (std::abs(s.labelWidthMm - *width) > 0.5 ||
                      std::abs(s.labelHeightMm - *height) > 0.5)) {
            return false;
        }
        return std::all_of(words.begin(), words.end(), [&](const QString& word) {
            return s.name.contains(word, Qt::CaseInsensitive) ||
                   s.description.contains(word, Qt::CaseInsensitive);
        });
    }
};

}  // namespace

std::vector<Found> search(const Catalogue& catalogue, const std::vector<Stock>& typed,
                          const QString& text) {
    const Query query(text);
    std::vector<Found> found;
    for (const Stock& s : typed) {
        if (query.describes(s)) found.push_back({&s, true});
    }
    for (const Stock& s : catalogue.stocks) {
        if (query.describes(s)) found.push_back({&s, false});
    }
    return found;
}

}  // namespace catalogue
