#include "common/core/sheets/stockchoice.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

#include "common/core/files/presets.h"
#include "common/core/files/usersettings.h"
#include "common/core/text/number.h"

namespace stockchoice {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(sheets)
};

const QString kTypedGroup = QStringLiteral("hojas");
const QString kChosenName = QStringLiteral("hoja/nombre");
const QString kChosenMeasures = QStringLiteral("hoja/medidas");
const QString kChosenDescription = QStringLiteral("hoja/descripcion");

// "210;297;48.3;25.4;4;11;8.5;8.5;48.3;25.4": the paper, the label, the
// columns and rows, the first label's corner and the pitch, in mm.
QString measuresOf(const Stock& s) {
    QStringList parts;
    for (double v :
         {s.paperWidthMm, s.paperHeightMm, s.labelWidthMm, s.labelHeightMm, double(s.columns),
          double(s.rows), s.leftMm, s.topMm, s.pitchXMm, s.pitchYMm}) {
        parts.append(QString::number(v, 'g', 10));
    }
    return parts.join(u';');
}

std::optional<Stock> stockOf(const QString& name, const QString& measures) {
    const QStringList parts = measures.split(u';');
    if (name.isEmpty() || parts.size() != 10) return std::nullopt;
    std::array<double, 10> v{};
    for (size_t i = 0; i < v.size(); ++i) {
        bool ok = false;
        v[i] = parts[qsizetype(i)].toDouble(&ok);
        if (!ok) return std::nullopt;
    }
    const Stock stock{.name = name,
                      .paperWidthMm = v[0],
                      .paperHeightMm = v[1],
                      .labelWidthMm = v[2],
                      .labelHeightMm = v[3],
                      .columns = toCount(v[4]),
                      .rows = toCount(v[5]),
                      .leftMm = v[6],
                      .topMm = v[7],
                      .pitchXMm = v[8],
                      .pitchYMm = v[9]};
    if (!stock.problem().isEmpty()) return std::nullopt;
    return stock;
}

// A name as a key: what a key may not hold, percent-encoded.
QString keyOf(const QString& name) {
    return kTypedGroup + u'/' + QString::fromLatin1(name.toUtf8().toPercentEncoding());
}

}  // namespace

std::vector<Stock> typed() {
    QSettings settings = usersettings::shared();
    settings.beginGroup(kTypedGroup);
    std::vector<Stock> stocks;
    for (const QString& key : settings.childKeys()) {
        const QString name = QString::fromUtf8(QByteArray::fromPercentEncoding(key.toLatin1()));
        if (const auto stock = stockOf(name, settings.value(key).toString()))
            stocks.push_back(*stock);
    }
    return stocks;
}

QString keepTyped(const Stock& stock, const catalogue::Catalogue& catalogue) {
    if (stock.name.trimmed().isEmpty())
        return Text::tr("Escriba un nombre para la hoja: con él la elegirá otra vez.");
    if (catalogue.find(stock.name)) {
        return Text::tr("«%1» es un producto del catálogo: dé otro nombre a su hoja.")
            .arg(stock.name);
    }
    if (const QString problem = stock.problem(); !problem.isEmpty()) return problem;
    usersettings::shared().setValue(keyOf(stock.name.trimmed()), measuresOf(stock));
    return {};
}

std::optional<Stock> find(const QString& name, const catalogue::Catalogue& catalogue) {
    for (const Stock& stock : typed()) {
        if (stock.name.compare(name.simplified(), Qt::CaseInsensitive) == 0) return stock;
    }
    if (const Stock* product = catalogue.find(name)) return *product;
    return std::nullopt;
}

std::optional<Stock> chosen(const QString& program) {
    const presets::Presets& machine = presets::machine();
    const QSettings settings = usersettings::ofProgram(program);
    // A stock IT names is looked up where --stock looks; the user's is kept whole.
    if (const auto locked = machine.locked(presets::Key::Stock))
        return find(*locked, catalogue::read(catalogue::folder()));
    if (!settings.contains(kChosenName)) {
        if (const auto preset = machine.preset(presets::Key::Stock))
            return find(*preset, catalogue::read(catalogue::folder()));
    }
    std::optional<Stock> stock =
        stockOf(settings.value(kChosenName).toString(), settings.value(kChosenMeasures).toString());
    if (stock) stock->description = settings.value(kChosenDescription).toString();
    return stock;
}

void choose(const QString& program, const std::optional<Stock>& stock) {
    QSettings settings = usersettings::ofProgram(program);
    if (!stock) {
        // The program's own sheet, chosen: kept, so that no preset replaces it.
        settings.remove(QStringLiteral("hoja"));
        settings.setValue(kChosenName, QString());
        return;
    }
    settings.setValue(kChosenName, stock->name);
    settings.setValue(kChosenMeasures, measuresOf(*stock));
    settings.setValue(kChosenDescription, stock->description);
}

}  // namespace stockchoice
