#include "common/core/correction/correction.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>

#include "common/core/text/number.h"

namespace correction {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(correction)
};

}  // namespace

std::optional<Affine> Affine::inverse() const {
    const double det = a * e - b * d;
    if (std::abs(det) < 1e-9) return std::nullopt;
    Affine inv;
    inv.a = e / det;
    inv.b = -b / det;
    inv.d = -d / det;
    inv.e = a / det;
    inv.c = -(inv.a * c + inv.b * f);
    inv.f = -(inv.d * c + inv.e * f);
    return inv;
}

Affine Affine::after(const Affine& first) const {
    Affine r;
    r.a = a * first.a + b * first.d;
    r.b = a * first.b + b * first.e;
    r.c = a * first.c + b * first.f + c;
    r.d = d * first.a + e * first.d;
    r.e = d * first.b + e * first.e;
    r.f = d * first.c + e * first.f + f;
    return r;
}

bool Affine::isIdentity() const { return a == 1 && b == 0 && c == 0 && d == 0 && e == 1 && f == 0; }

QString Affine::toText() const {
    QStringList parts;
    for (double v : {a, b, c, d, e, f}) parts.append(QString::number(v, 'g', 17));
    return parts.join(u';');
}

std::optional<Affine> Affine::fromText(const QString& text) {
    const QStringList parts = text.split(u';');
    if (parts.size() != 6) return std::nullopt;
    std::array<double, 6> v{};
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        v[size_t(i)] = parts[i].toDouble(&ok);
        if (!ok || !std::isfinite(v[size_t(i)])) return std::nullopt;
    }
    const Affine map{v[0], v[1], v[2], v[3], v[4], v[5]};
    if (!map.inverse()) return std::nullopt;
    return map;
}

std::optional<Measure> parseMeasure(const QString& place, const QString& xMm, const QString& yMm) {
    bool placeOk = false;
    const int number = place.trimmed().toInt(&placeOk);
    const auto x = parseNumber(xMm);
    const auto y = parseNumber(yMm);
    if (!placeOk || !x || !y) return std::nullopt;
    return Measure{number, *x, *y};
}

std::optional<std::vector<Measure>> parseMeasures(const QString& text, QString& problem) {
    std::vector<Measure> measures;
    for (const QString& item : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList placeAndPoint = item.split(u':');
        // Decimal commas: "12,5,30,2" is 12,5 and 30,2. With a comma in one
        // number alone ("12,5,30") the point cannot be told apart: refused.
        const QStringList numbers = placeAndPoint.value(1).count(u',') == 3
                                        ? QStringList{placeAndPoint.value(1).section(u',', 0, 1),
                                                      placeAndPoint.value(1).section(u',', 2, 3)}
                                        : placeAndPoint.value(1).split(u',');
        const auto measure =
            parseMeasure(placeAndPoint.first(), numbers.value(0), numbers.value(1));
        if (placeAndPoint.size() != 2 || numbers.size() != 2 || !measure) {
            problem = Text::tr(
                          "Medida no válida: «%1» (la etiqueta, dos puntos y las distancias en "
                          "milímetros a los bordes izquierdo y superior, separadas por una coma, "
                          "como 1:28.5,30.2)")
                          .arg(item);
            return std::nullopt;
        }
        measures.push_back(*measure);
    }
    return measures;
}

namespace {

constexpr double kDisagreeCm = 0.1;  // 1 mm

// Solves the 3 x 3 system n v = r; false when it has no single solution.
bool solve3(std::array<std::array<double, 3>, 3> n, std::array<double, 3> r,
            std::array<double, 3>& v) {
    for (int col = 0; col < 3; ++col) {
        int pivot = col;
        for (int row = col + 1; row < 3; ++row) {
            if (std::abs(n[row][col]) > std::abs(n[pivot][col])) pivot = row;
        }
        if (std::abs(n[pivot][col]) < 1e-12) return false;
        std::swap(n[col], n[pivot]);
        std::swap(r[col], r[pivot]);
        for (int row = col + 1; row < 3; ++row) {
            const double k = n[row][col] / n[col][col];
            for (int c = col; c < 3; ++c) n[row][c] -= k * n[col][c];
            r[row] -= k * r[col];
        }
    }
    for (int row = 2; row >= 0; --row) {
        double sum = r[row];
        for (int c = row + 1; c < 3; ++c) sum -= n[row][c] * v[c];
        v[row] = sum / n[row][row];
    }
    return true;
}

struct Pair {
    int place;
    double px, py;  // where it was meant, on the paper
    double mx, my;  // where it was measured
};

// The least-squares map from the meant to the measured points; none when
// they lie on one line.
std::optional<Affine> leastSquares(const std::vector<Pair>& pairs) {
    double cx = 0, cy = 0;
    for (const Pair& p : pairs) {
        cx += p.px / double(pairs.size());
        cy += p.py / double(pairs.size());
    }
    double sxx = 0, syy = 0, sxy = 0;
    for (const Pair& p : pairs) {
        sxx += (p.px - cx) * (p.px - cx);
        syy += (p.py - cy) * (p.py - cy);
        sxy += (p.px - cx) * (p.py - cy);
    }
    if (sxx * syy - sxy * sxy <= 1e-6 * (sxx + syy) * (sxx + syy)) return std::nullopt;
    std::array<std::array<double, 3>, 3> n{};
    std::array<double, 3> rx{}, ry{};
    for (const Pair& p : pairs) {
        const std::array<double, 3> row = {p.px, p.py, 1};
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) n[i][j] += row[i] * row[j];
            rx[i] += row[i] * p.mx;
            ry[i] += row[i] * p.my;
        }
    }
    std::array<double, 3> x{}, y{};
    if (!solve3(n, rx, x) || !solve3(n, ry, y)) return std::nullopt;
    const Affine map{x[0], x[1], x[2], y[0], y[1], y[2]};
    if (!map.inverse()) return std::nullopt;
    return map;
}

double offBy(const Affine& map, const Pair& p) {
    return std::hypot(map.mapX(p.px, p.py) - p.mx, map.mapY(p.px, p.py) - p.my);
}

// Millimetres as the staff read them: "1,50".
QString millimetres(double cm) { return formatDecimal(cm * 10); }

// What no printer does to a sheet. Its paper path moves a page a few
// millimetres at most, stretches it by a fraction of a percent and skews it
// less than that; a scale of several percent is a driver fitting the page to
// the paper, and a larger shift a ruler read wrong.
constexpr double kMaxShiftCm = 1.0;
constexpr double kMaxStretch = 0.02;
constexpr double kMaxSkew = 0.01;

// Why no printer makes `map`, with the likely cause; empty when one may.
QString implausible(const Affine& map) {
    const double scale = std::abs(map.a - 1) > std::abs(map.e - 1) ? map.a : map.e;
    if (std::abs(scale - 1) > kMaxStretch) {
        const QString fitToPage = Text::tr(
            "Seguramente está activada la opción «Ajustar a la página» (o «Ajustar al tamaño del "
            "papel») en las preferencias de la impresora: desactívela, imprima otra hoja de "
            "prueba y mida de nuevo. Si no, revise que las medidas estén en milímetros.");
        const QString percent = formatDecimal(std::abs(scale - 1) * 100);
        return (scale > 1 ? Text::tr("Según estas medidas, la impresora estira la hoja un %1 %: "
                                     "ninguna impresora lo hace. %2")
                          : Text::tr("Según estas medidas, la impresora encoge la hoja un %1 %: "
                                     "ninguna impresora lo hace. %2"))
            .arg(percent, fitToPage);
    }
    const double shift = std::max(std::abs(map.c), std::abs(map.f));
    if (shift > kMaxShiftCm) {
        return Text::tr(
                   "Según estas medidas, la impresora desplaza la hoja %1 mm: ninguna lo hace "
                   "tanto. Revise las medidas: son los milímetros del borde izquierdo y del "
                   "superior del papel al centro de cada cruz, y cada fila lleva el número de "
                   "su cruz.")
            .arg(millimetres(shift));
    }
    const double skew = std::max(std::abs(map.b), std::abs(map.d));
    if (skew > kMaxSkew) {
        return Text::tr(
                   "Según estas medidas, la impresora tuerce la hoja %1 mm cada 10 cm: revise que "
                   "el papel entra recto en la bandeja, y las medidas.")
            .arg(millimetres(skew * 10));
    }
    return {};
}

}  // namespace

namespace {

// The crosses measured, each with where it was meant on the paper; the
// problem when one names no cross, a cross without a position, or one
// measured twice, or when they all stand in one row or one column.
QString pairsOf(const std::vector<Measure>& measures,
                const std::vector<testsheet::Position>& crosses, double areaLeftCm,
                double areaTopCm, std::vector<Pair>& pairs) {
    std::vector<int> rows, cols;
    for (const Measure& m : measures) {
        const auto cross =
            std::find_if(crosses.begin(), crosses.end(),
                         [&](const testsheet::Position& p) { return p.place == m.place; });
        if (cross == crosses.end()) {
            return Text::tr("La etiqueta %1 no existe: la hoja tiene de la 1 a la %2.")
                .arg(m.place)
                .arg(crosses.size());
        }
        if (!cross->xCm || !cross->yCm) {
            return Text::tr(
                       "La etiqueta %1 no tiene cruz en la hoja de prueba: su posición no es un "
                       "número.")
                .arg(m.place);
        }
        if (std::any_of(pairs.begin(), pairs.end(),
                        [&](const Pair& p) { return p.place == m.place; }))
            return Text::tr("La cruz %1 está medida dos veces.").arg(m.place);
        pairs.push_back(
            {m.place, *cross->xCm + areaLeftCm, *cross->yCm + areaTopCm, m.xMm / 10, m.yMm / 10});
        rows.push_back(cross->row);
        cols.push_back(cross->column);
    }
    auto allEqual = [](const std::vector<int>& v) {
        return std::all_of(v.begin(), v.end(), [&](int x) { return x == v.front(); });
    };
    if (allEqual(rows)) {
        return Text::tr(
            "Las cruces están todas en una fila: hace falta medir también cruces de otra fila.");
    }
    if (allEqual(cols)) {
        return Text::tr(
            "Las cruces están todas en una columna: hace falta medir también cruces de otra "
            "columna.");
    }
    return {};
}

// The cross the map the others give puts farthest from where it was
// measured, and by how much.
std::pair<int, double> farthestOff(const std::vector<Pair>& pairs) {
    double farthest = 0;
    int place = 0;
    for (size_t i = 0; i < pairs.size(); ++i) {
        std::vector<Pair> others = pairs;
        others.erase(others.begin() + qsizetype(i));
        const std::optional<Affine> theirs = leastSquares(others);
        const double off = theirs ? offBy(*theirs, pairs[i]) : 0;
        if (off > farthest) {
            farthest = off;
            place = pairs[i].place;
        }
    }
    return {place, farthest};
}

}  // namespace

Fit fit(const std::vector<Measure>& measures, const std::vector<testsheet::Position>& crosses,
        double areaLeftCm, double areaTopCm) {
    Fit result;
    if (measures.size() < kMinCrosses) {
        result.problem = Text::tr(
            "Hacen falta al menos cuatro cruces medidas: con tres, un error al medir no se "
            "notaría.");
        return result;
    }
    std::vector<Pair> pairs;
    result.problem = pairsOf(measures, crosses, areaLeftCm, areaTopCm, pairs);
    if (!result.problem.isEmpty()) return result;
    const std::optional<Affine> map = leastSquares(pairs);
    if (!map) {
        result.problem =
            Text::tr("Las cruces están en línea recta: elija cruces que formen un triángulo.");
        return result;
    }
    // A cross disagrees when the map the others give puts it more than 1 mm
    // from where it was measured. From five crosses on, the one farthest off
    // is the one to measure again; four can tell only that one of them is.
    const auto [farthestPlace, farthest] = farthestOff(pairs);
    if (farthest <= kDisagreeCm) {
        result.problem = implausible(*map);
        if (result.problem.isEmpty()) result.distortion = map;
        return result;
    }
    if (pairs.size() >= 5) {
        result.badPlace = farthestPlace;
        result.problem = Text::tr(
                             "La medida de la cruz %1 no concuerda con las demás: se aparta %2 mm. "
                             "Mídala de nuevo.")
                             .arg(result.badPlace)
                             .arg(millimetres(farthest));
    } else {
        result.problem = Text::tr(
                             "Las medidas no concuerdan entre sí (una se aparta %1 mm): mida de "
                             "nuevo las cruces, o mida una más.")
                             .arg(millimetres(farthest));
    }
    return result;
}

namespace {

// "A, B, y C": the clauses of one sentence.
QString listed(QStringList clauses) {
    const QString last = clauses.takeLast();
    if (clauses.isEmpty()) return last;
    QString first = clauses.takeFirst();
    for (const QString& clause : clauses) first = Text::tr("%1, %2").arg(first, clause);
    return Text::tr("%1, y %2").arg(first, last);
}

// "encoge la hoja un 1,34 % a lo ancho y a lo alto", or nothing when it keeps
// its size; `across`, `down`: in which direction.
QString scaling(double scale, bool across, bool down) {
    if (std::abs(scale - 1) < 0.0005) return {};
    const QString percent = formatDecimal(std::abs(scale - 1) * 100);
    if (across && down) {
        return scale > 1 ? Text::tr("estira la hoja un %1 % a lo ancho y a lo alto").arg(percent)
                         : Text::tr("encoge la hoja un %1 % a lo ancho y a lo alto").arg(percent);
    }
    if (across) {
        return scale > 1 ? Text::tr("estira la hoja un %1 % de izquierda a derecha").arg(percent)
                         : Text::tr("encoge la hoja un %1 % de izquierda a derecha").arg(percent);
    }
    return scale > 1 ? Text::tr("estira la hoja un %1 % de arriba abajo").arg(percent)
                     : Text::tr("encoge la hoja un %1 % de arriba abajo").arg(percent);
}

}  // namespace

QString describe(const Affine& distortion) {
    auto mm = [](double cm) { return formatDecimal(std::abs(cm) * 10); };
    QStringList moves;
    if (std::abs(distortion.c) >= 0.005) {
        moves.append(distortion.c > 0 ? Text::tr("%1 mm a la derecha").arg(mm(distortion.c))
                                      : Text::tr("%1 mm a la izquierda").arg(mm(distortion.c)));
    }
    if (std::abs(distortion.f) >= 0.005) {
        moves.append(distortion.f > 0 ? Text::tr("%1 mm hacia abajo").arg(mm(distortion.f))
                                      : Text::tr("%1 mm hacia arriba").arg(mm(distortion.f)));
    }
    QStringList clauses;
    if (moves.size() == 2) clauses.append(Text::tr("desplaza %1 y %2").arg(moves[0], moves[1]));
    if (moves.size() == 1) clauses.append(Text::tr("desplaza %1").arg(moves[0]));
    const bool even = std::abs(distortion.a - distortion.e) < 0.0005;
    clauses.append(scaling(distortion.a, true, even));
    if (!even) clauses.append(scaling(distortion.e, false, true));
    if (std::abs(distortion.b) >= 0.0005 || std::abs(distortion.d) >= 0.0005) {
        clauses.append(Text::tr("la tuerce %1 mm cada 10 cm")
                           .arg(mm(std::max(std::abs(distortion.b), std::abs(distortion.d)) * 10)));
    }
    clauses.removeAll(QString());
    if (clauses.isEmpty()) return Text::tr("la impresora pone cada cruz en su sitio");
    return Text::tr("la impresora %1").arg(listed(clauses));
}

CorrectedSurface::CorrectedSurface(std::shared_ptr<DrawingSurface> inner, const Affine& distortion,
                                   double areaLeftCm, double areaTopCm, Origin origin)
    : m_inner(std::move(inner)) {
    const Affine toPaper =
        origin == Origin::Area ? Affine{1, 0, areaLeftCm, 0, 1, areaTopCm} : Affine{};
    const Affine toArea{1, 0, -areaLeftCm, 0, 1, -areaTopCm};
    m_toInner = toArea.after(distortion.inverse().value_or(Affine{}).after(toPaper));
}

void CorrectedSurface::passFont() {
    m_inner->setFontName(fontName());
    m_inner->setFontSize(fontSize());
    m_inner->setBold(bold());
    m_inner->setItalic(italic());
}

bool CorrectedSurface::drawBars(double leftCm, double topCm, double moduleCm, double heightCm,
                                std::span<const Bar> bars) {
    // The symbol's corner where the map puts it, its sizes through the map's
    // scale along each axis.
    return passed(m_inner->fillBars(m_toInner.mapX(leftCm, topCm), m_toInner.mapY(leftCm, topCm),
                                    moduleCm * m_toInner.a, heightCm * m_toInner.e, bars));
}

bool CorrectedSurface::passed(bool ok) {
    if (ok) return true;
    return m_inner->deviceFailed() ? deviceFailure(m_inner->error()) : fail(m_inner->error());
}

double CorrectedSurface::textWidthCm(const QString& text) {
    passFont();
    return m_inner->textWidthCm(text);
}

double CorrectedSurface::lineSpacingCm() {
    passFont();
    return m_inner->lineHeightCm();
}

double CorrectedSurface::drawText(double xCm, double yCm, const QString& text) {
    passFont();
    const bool ok = m_inner->setCurrentX(m_toInner.mapX(xCm, yCm)) &&
                    m_inner->setCurrentY(m_toInner.mapY(xCm, yCm)) && m_inner->print(text);
    return passed(ok) ? m_inner->lineHeightCm() : -1;
}

bool CorrectedSurface::drawSegment(double x1Cm, double y1Cm, double x2Cm, double y2Cm) {
    return passed(m_inner->drawLine(m_toInner.mapX(x1Cm, y1Cm), m_toInner.mapY(x1Cm, y1Cm),
                                    m_toInner.mapX(x2Cm, y2Cm), m_toInner.mapY(x2Cm, y2Cm)));
}

bool CorrectedSurface::newPage() {
    DrawingSurface::newPage();
    return passed(m_inner->newPage());
}

bool CorrectedSurface::endDoc() { return passed(m_inner->endDoc()); }

bool CorrectedSurface::cls() {
    DrawingSurface::cls();
    return passed(m_inner->cls());
}

std::shared_ptr<DrawingSurface> corrected(std::shared_ptr<DrawingSurface> inner,
                                          const std::optional<Affine>& distortion,
                                          double areaLeftCm, double areaTopCm, Origin origin) {
    const bool straight = !distortion || distortion->isIdentity();
    if (straight && (origin == Origin::Area || (areaLeftCm == 0 && areaTopCm == 0))) return inner;
    return std::make_shared<CorrectedSurface>(std::move(inner), distortion.value_or(Affine{}),
                                              areaLeftCm, areaTopCm, origin);
}

}  // namespace correction
