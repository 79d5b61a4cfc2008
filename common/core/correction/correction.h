#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "common/core/walks/surface.h"
#include "common/core/walks/testsheet.h"

// A printer's error, measured once from a printed test sheet and taken out
// of every job on that printer: the coordinate table then describes the
// label stock alone.
namespace correction {

// Where a printer puts what was meant for a point of the paper:
// x' = a x + b y + c, y' = d x + e y + f, in centimetres from the paper's
// top-left corner. Shift, a scale in each direction, and the small skew a
// tray gives.
struct Affine {
    double a = 1, b = 0, c = 0;
    double d = 0, e = 1, f = 0;

    double mapX(double x, double y) const { return a * x + b * y + c; }
    double mapY(double x, double y) const { return d * x + e * y + f; }
    // The map that undoes this one; none when it folds the paper flat.
    std::optional<Affine> inverse() const;
    // This map after `first`: x -> this(first(x)).
    Affine after(const Affine& first) const;
    bool isIdentity() const;

    // "a;b;c;d;e;f", as it is kept per printer.
    QString toText() const;
    static std::optional<Affine> fromText(const QString& text);
};

// A cross of the test sheet as measured with a ruler: its place (from 1) and
// the distances of its centre from the paper's left and top edges, in mm.
struct Measure {
    int place;
    double xMm;
    double yMm;
};

// One cross as typed: its place and its distances in mm (a decimal comma
// or point); nothing when one of them is not a number.
std::optional<Measure> parseMeasure(const QString& place, const QString& xMm, const QString& yMm);

// Reads "P:x,y;P:x,y;…" (the place, then the distances in millimetres; a
// decimal comma or point). Nothing, and why not in `problem`, when it is not
// that.
std::optional<std::vector<Measure>> parseMeasures(const QString& text, QString& problem);

struct Fit {
    std::optional<Affine> distortion;  // where the printer puts what was meant
    QString problem;                   // why there is none, in Spanish
    int badPlace = 0;                  // a measure that disagrees with the rest, when that is why
};

// Three crosses would give the map exactly, leaving a slip of the ruler
// nothing to be checked against.
constexpr size_t kMinCrosses = 4;

// Fits the printer's map from measured crosses by least squares. `crosses`
// are the test sheet's positions (area coordinates); `areaLeftCm`,
// `areaTopCm` where the printer's drawing area starts on the paper. A cross
// more than 1 mm off the map the others give is refused, and named from
// five crosses on. Refused too: fewer than four, a place the sheet has not,
// crosses all in one row or one column (or on one line), and a map no
// printer makes (a stretch of percents, a shift past a centimetre), with its
// likely cause.
Fit fit(const std::vector<Measure>& measures, const std::vector<testsheet::Position>& crosses,
        double areaLeftCm, double areaTopCm);

// The map in words: "la impresora desplaza 1,5 mm a la derecha y 0,8 mm
// hacia abajo, y estira la hoja un 1,2 % de arriba abajo".
QString describe(const Affine& distortion);

// Where the positions a job draws at are measured from: the drawing area's
// corner (the program's own sheets, as their positions always were), or the
// paper's (a stock's labels).
enum class Origin { Area, Paper };

// Draws on `inner` so that, through a printer that maps the paper by
// `distortion`, every line lands where it was meant. Each line is placed on
// its own; sizes and fonts are those of the inner surface. `inner` draws from
// its area's corner, at (`areaLeftCm`, `areaTopCm`) on the paper.
class CorrectedSurface : public DrawingSurface {
public:
    CorrectedSurface(std::shared_ptr<DrawingSurface> inner, const Affine& distortion,
                     double areaLeftCm, double areaTopCm, Origin origin = Origin::Area);

    double textWidthCm(const QString& text) override;
    double areaWidthCm() override { return m_inner->areaWidthCm(); }
    double areaHeightCm() override { return m_inner->areaHeightCm(); }
    bool newPage() override;
    bool endDoc() override;
    bool cls() override;

protected:
    double drawText(double xCm, double yCm, const QString& text) override;
    double lineSpacingCm() override;
    bool drawSegment(double x1Cm, double y1Cm, double x2Cm, double y2Cm) override;
    // A bar stays upright, at its top's place: a printer's skew is far less
    // than a bar's width over its height.
    bool drawBars(double leftCm, double topCm, double moduleCm, double heightCm,
                  std::span<const Bar> bars) override;
    double dotCm() override { return m_inner->dotCm(); }

private:
    void passFont();
    bool passed(bool ok);  // a failure of the inner surface is this one's

    std::shared_ptr<DrawingSurface> m_inner;
    Affine m_toInner;  // from where a line is meant to where the inner surface draws it
};

// The surface a job draws on: `inner` itself when there is no correction and
// the job's positions are the area's.
std::shared_ptr<DrawingSurface> corrected(std::shared_ptr<DrawingSurface> inner,
                                          const std::optional<Affine>& distortion,
                                          double areaLeftCm, double areaTopCm,
                                          Origin origin = Origin::Area);

}  // namespace correction
