#include "common/core/check/margincheck.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <map>

#include "common/core/walks/surface.h"

namespace margincheck {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(check)
};

// Positions are measured to a hundredth of a millimetre; a line that ends
// this close to the band still prints whole.
constexpr double kToleranceCm = 0.005;

// What a label drew, and where.
struct Drawn {
    QString text;  // empty for a barcode
    QRectF cm;
};

// Keeps what a walk draws, label by label, measured as `measures` measures
// it; draws nothing.
class DrawnRecorder : public DrawingSurface {
public:
    DrawnRecorder(DrawingSurface& measures, const PlaceCursor& places)
        : m_measures(measures), m_places(places) {}

    double textWidthCm(const QString& text) override {
        passFont();
        return m_measures.textWidthCm(text);
    }
    double areaWidthCm() override { return m_measures.areaWidthCm(); }
    double areaHeightCm() override { return m_measures.areaHeightCm(); }
    double dotCm() override { return m_measures.dotCm(); }

    // Label by label, from 1.
    std::map<qint64, std::vector<Drawn>> labels;

protected:
    double drawText(double xCm, double yCm, const QString& text) override {
        const double height = lineSpacingCm();
        if (!text.trimmed().isEmpty())
            current().push_back({text, QRectF(xCm, yCm, textWidthCm(text), height)});
        return height;
    }
    double lineSpacingCm() override {
        passFont();
        return m_measures.lineHeightCm();
    }
    bool drawSegment(double, double, double, double) override { return true; }
    bool drawBars(double leftCm, double topCm, double moduleCm, double heightCm,
                  std::span<const Bar> bars) override {
        if (bars.empty()) return true;
        const double modules = bars.back().start + bars.back().width;
        current().push_back({{}, QRectF(leftCm, topCm, modules * moduleCm, heightCm)});
        return true;
    }

private:
    std::vector<Drawn>& current() { return labels[m_places.taken() + 1]; }
    void passFont() {
        m_measures.setFontName(fontName());
        m_measures.setFontSize(fontSize());
        m_measures.setBold(bold());
        m_measures.setItalic(italic());
    }

    DrawingSurface& m_measures;
    const PlaceCursor& m_places;
};

// To a tenth of a millimetre, halves up: 18 pt is 6,35 mm, which a printer
// description gives as a hair under.
QString mm(double cm) { return QLocale().toString(std::round(cm * 100 + 1e-6) / 10, 'f', 1); }

// "la línea «QA76» empieza a 2,0 mm del borde izquierdo del papel y la
// impresora no imprime a menos de 6,4 mm", for each edge the line crosses.
QStringList problemsOf(const Drawn& drawn, const PrintableArea& area) {
    const QRectF& paper = area.paperCm;
    const QRectF& printable = area.printableCm;
    const QRectF& at = drawn.cm;
    QStringList problems;
    // A line past the paper's edge is past its label's too, which the
    // program's own check says.
    auto add = [&](const QString& line, const QString& barcode, double fromEdge, double band) {
        if (fromEdge < 0) return;
        problems.append((drawn.text.isEmpty() ? barcode : line.arg(drawn.text))
                            .arg(mm(fromEdge), mm(band)));
    };
    if (at.left() < printable.left() - kToleranceCm) {
        add(Text::tr("la línea «%1» empieza a %2 mm del borde izquierdo del papel y la impresora "
                     "no imprime a menos de %3 mm"),
            Text::tr("el código de barras empieza a %1 mm del borde izquierdo del papel y la "
                     "impresora no imprime a menos de %2 mm"),
            at.left() - paper.left(), printable.left() - paper.left());
    }
    if (at.right() > printable.right() + kToleranceCm) {
        add(Text::tr("la línea «%1» acaba a %2 mm del borde derecho del papel y la impresora no "
                     "imprime a menos de %3 mm"),
            Text::tr("el código de barras acaba a %1 mm del borde derecho del papel y la "
                     "impresora no imprime a menos de %2 mm"),
            paper.right() - at.right(), paper.right() - printable.right());
    }
    if (at.top() < printable.top() - kToleranceCm) {
        add(Text::tr("la línea «%1» empieza a %2 mm del borde superior del papel y la impresora "
                     "no imprime a menos de %3 mm"),
            Text::tr("el código de barras empieza a %1 mm del borde superior del papel y la "
                     "impresora no imprime a menos de %2 mm"),
            at.top() - paper.top(), printable.top() - paper.top());
    }
    if (at.bottom() > printable.bottom() + kToleranceCm) {
        add(Text::tr("la línea «%1» acaba a %2 mm del borde inferior del papel y la impresora no "
                     "imprime a menos de %3 mm"),
            Text::tr("el código de barras acaba a %1 mm del borde inferior del papel y la "
                     "impresora no imprime a menos de %2 mm"),
            paper.bottom() - at.bottom(), paper.bottom() - printable.bottom());
    }
    return problems;
}

// How the staff know a label: its first line of text.
QString nameOf(const std::vector<Drawn>& drawn) {
    for (const Drawn& d : drawn) {
        if (!d.text.isEmpty()) return d.text.trimmed();
    }
    return Text::tr("sin texto");
}

}  // namespace

std::vector<labelcheck::Finding> outsidePrintable(const LabelWalk& walk, const FirstSheet& first,
                                                  const PrintableArea& area,
                                                  DrawingSurface& measures) {
    PlaceCursor places(first);
    DrawnRecorder recorder(measures, places);
    walk(
        recorder,
        [](DrawingSurface& s) {
            s.newPage();
            return true;
        },
        places);
    std::vector<labelcheck::Finding> findings;
    for (const auto& [label, drawn] : recorder.labels) {
        for (const Drawn& d : drawn) {
            for (const QString& problem : problemsOf(d, area))
                findings.push_back({label, nameOf(drawn), problem});
        }
    }
    return findings;
}

labelcheck::Check withPrintableArea(labelcheck::Check check, LabelWalk walk, FirstSheet first,
                                    PrintableArea area) {
    return [check = std::move(check), walk = std::move(walk), first = std::move(first),
            area](DrawingSurface& surface) {
        labelcheck::Result result = check(surface);
        std::vector<labelcheck::Finding> outside = outsidePrintable(walk, first, area, surface);
        result.findings.insert(result.findings.end(), outside.begin(), outside.end());
        // Each label's findings together; what is no label's own first.
        std::stable_sort(result.findings.begin(), result.findings.end(),
                         [](const labelcheck::Finding& a, const labelcheck::Finding& b) {
                             return a.label < b.label;
                         });
        return result;
    };
}

}  // namespace margincheck
