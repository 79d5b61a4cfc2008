// The floor for rendering: a bare Qt program that only draws N text lines
// into a PDF, 33 labels of 3.5 lines to a page, with nothing read. With
// BARE_ALTERNATE set it switches between two faces at every line, as the
// full labels do.
//   bare_draw OUT.pdf LINES
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) return 1;
    const int lines = QString::fromLocal8Bit(argv[2]).toInt();
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(1200);
    QPainter painter(&writer);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(8);
    font.setBold(true);
    painter.setFont(font);
    QFont other(QStringLiteral("arial"));
    other.setPointSizeF(8);
    other.setBold(true);
    const bool alternate = qEnvironmentVariableIsSet("BARE_ALTERNATE");
    const double dotsPerCm = 1200 / 2.54;
    constexpr int kLinesPerPage = 33 * 7 / 2;
    for (int i = 0; i < lines; ++i) {
        if (i > 0 && i % kLinesPerPage == 0) writer.newPage();
        const int onPage = i % kLinesPerPage;
        const int label = onPage * 2 / 7;
        const double x = (2.8 + 6.4 * (label % 3)) * dotsPerCm;
        const double y = (2.3 * (label / 3) + 0.3 * (onPage % 4)) * dotsPerCm + 100;
        if (alternate) painter.setFont(i % 2 ? other : font);
        painter.drawText(QPointF(x, y), QStringLiteral("QA76.%1").arg(i % 1000));
    }
    return 0;
}
