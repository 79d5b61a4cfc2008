#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class DrawingSurface;

// The check before printing: what would not come out whole on paper, found
// with the metrics of the faces and sizes that will print.
namespace labelcheck {

struct Finding {
    qint64 label;     // its place in the job, from 1; 0 for what is no label's own
    QString name;     // how the staff know it: a call number's first line, a barcode
    QString problem;  // in words the staff use
};

struct Result {
    qint64 labels = 0;  // labels the walk will print
    std::vector<Finding> findings;
};

// A program's check over its labels, on the surface that will draw them.
using Check = std::function<Result(DrawingSurface& surface)>;

// "Etiqueta 12 (PQ6613): ..." for each finding of a label, the problem alone
// for the others (the sheet's, a position's).
QStringList findingLines(const std::vector<Finding>& findings);
// How many labels the findings name.
qint64 labelsFlagged(const std::vector<Finding>& findings);

// The text of the box that lists the findings: how many labels and
// warnings, the first `shown` of them, and how many more there are.
QString findingsMessage(const std::vector<Finding>& findings, int shown = 20);

// Whether texts fit a width, measured on a surface in its current font. A
// hundred thousand labels hold most of a million lines: each is first
// measured as the sum of its characters' advances, kept per character, and
// only a line within a few percent of the width is measured whole, with
// kerning, by the surface.
class WidthGauge {
public:
    explicit WidthGauge(DrawingSurface& surface) : m_surface(surface) {}

    // The font of later measures; it is set on the surface too.
    void useFont(const QString& face, double points, bool bold, bool italic = false);
    // Measures in the gauge's font, whatever the surface's is now.
    double width(const QString& text);
    bool fits(const QString& text, double widthCm);
    // The sum of the characters' advances: the width but for kerning, which
    // moves a line of digits by far less than a dot.
    double advances(const QString& text);

private:
    struct Advances {
        std::array<double, 256> latin1{};  // < 0: not measured yet
        QHash<char16_t, double> others;
    };
    double advance(Advances& advances, QChar c);
    void setOnSurface();

    DrawingSurface& m_surface;
    QHash<QString, Advances> m_fonts;  // by face, size, weight and slant
    Advances* m_current = nullptr;
    QString m_face;
    double m_points = 0;
    bool m_bold = false;
    bool m_italic = false;
};

// Whether two lines of text, each from its top down one line height,
// share any height.
inline bool overlapVertically(double top1, double height1, double top2, double height2) {
    return top1 < top2 + height2 && top2 < top1 + height1;
}

}  // namespace labelcheck
