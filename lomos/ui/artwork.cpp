#include "lomos/ui/artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace lomos {

namespace artwork {
namespace {

const QColor kInk(0x1f, 0x2a, 0x44);
const QColor kPaper(0xfb, 0xf8, 0xf0);
const QColor kNavy(0x24, 0x3b, 0x6b);
const QColor kRed(0xa8, 0x32, 0x32);
const QColor kGreen(0x2f, 0x6b, 0x3a);
const QColor kGold(0xc8, 0x9b, 0x3c);

// A sheet of paper with a folded corner.
void sheet(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - 6, r.top());
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawPath(path);
}

void textLines(QPainter& p, double x, double y, double width, int count, double step) {
    p.setPen(QPen(kInk.lighter(160), 1.4));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(x, y + i * step), QPointF(x + width, y + i * step));
}

void drawGenerate(QPainter& p) {
    sheet(p, QRectF(5, 2, 18, 24));
    textLines(p, 8, 8, 11, 5, 3.5);
    // an arrow into a list of labels
    p.setPen(QPen(kGreen, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 22), QPointF(26, 22));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({QPointF(24, 18), QPointF(30, 22), QPointF(24, 26)}));
}

void drawPreview(QPainter& p) {
    sheet(p, QRectF(3, 2, 20, 26));
    textLines(p, 6, 8, 12, 4, 4);
    p.setPen(QPen(kNavy, 3));
    p.setBrush(QColor(0xd8, 0xe6, 0xf5, 200));
    p.drawEllipse(QPointF(19, 18), 7, 7);
    p.setPen(QPen(kNavy, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 23), QPointF(30, 29));
}

// A list of labels, one ticked, one crossed out.
void drawReview(QPainter& p) {
    sheet(p, QRectF(3, 2, 22, 27));
    for (int row = 0; row < 4; ++row) {
        const double y = 8 + row * 5.5;
        textLines(p, 12, y, 10, 1, 0);
        if (row == 2) {
            p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(6, y - 2), QPointF(10, y + 2));
            p.drawLine(QPointF(10, y - 2), QPointF(6, y + 2));
        } else {
            p.setPen(QPen(kGreen, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawPolyline(QPolygonF({QPointF(6, y), QPointF(8, y + 2), QPointF(11, y - 2.5)}));
        }
    }
}

void drawPrint(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 3, 14, 10));  // paper going in
    p.setBrush(QColor(0x60, 0x66, 0x70));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(8, 19, 16, 10));  // sheet coming out
    textLines(p, 11, 23, 10, 2, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(25, 15.5), 1.5, 1.5);
}

void drawConfigure(QPainter& p) {
    sheet(p, QRectF(3, 2, 22, 27));
    p.setPen(QPen(kNavy, 1));
    p.setBrush(QColor(0xe4, 0xec, 0xf7));
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(5.5 + col * 6.3, 5 + row * 5.8, 4.6, 4));
    }
    // a ruler across the corner
    p.save();
    p.translate(20, 22);
    p.rotate(-40);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kGold);
    p.drawRect(QRectF(-12, -2.5, 24, 5));
    for (int i = -10; i <= 10; i += 3) p.drawLine(QPointF(i, -2.5), QPointF(i, 0));
    p.restore();
}

void drawClear(QPainter& p) {
    sheet(p, QRectF(4, 3, 18, 24));
    textLines(p, 7, 9, 11, 2, 4);
    p.save();
    p.translate(20, 21);
    p.rotate(-35);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(0xe8, 0x7a, 0x8a));
    p.drawRoundedRect(QRectF(-9, -4, 12, 8), 1.5, 1.5);
    p.setBrush(QColor(0x4f, 0x7c, 0xc4));
    p.drawRoundedRect(QRectF(3, -4, 7, 8), 1.5, 1.5);
    p.restore();
}

void drawQuit(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(0x8a, 0x5a, 0x32));
    p.drawRect(QRectF(4, 3, 15, 26));  // door frame
    p.setBrush(QColor(0xb0, 0x7a, 0x48));
    p.drawPolygon(QPolygonF({QPointF(4, 3), QPointF(13, 6), QPointF(13, 31), QPointF(4, 29)}));
    p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 16), QPointF(27, 16));
    p.setBrush(kRed);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(25, 11), QPointF(31, 16), QPointF(25, 21)}));
}

}  // namespace

QIcon toolIcon(ToolIcon which) {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);  // drawn on a 32 x 32 grid, kept sharp on dense screens
    switch (which) {
        case ToolIcon::Generate:
            drawGenerate(p);
            break;
        case ToolIcon::Preview:
            drawPreview(p);
            break;
        case ToolIcon::Review:
            drawReview(p);
            break;
        case ToolIcon::Print:
            drawPrint(p);
            break;
        case ToolIcon::Configure:
            drawConfigure(p);
            break;
        case ToolIcon::Clear:
            drawClear(p);
            break;
        case ToolIcon::Quit:
            drawQuit(p);
            break;
    }
    p.end();
    return QIcon(pixmap);
}

QPixmap shelfPicture() {
    QPixmap pixmap(130, 46);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor spines[] = {kNavy,
                             kRed,
                             kGreen,
                             QColor(0x6b, 0x4a, 0x2f),
                             kNavy.lighter(130),
                             QColor(0x7a, 0x2f, 0x5f),
                             kGreen.darker(120),
                             kRed.darker(130),
                             QColor(0x3a, 0x5f, 0x7a)};
    const int widths[] = {12, 10, 14, 11, 13, 10, 12, 14, 11};
    const int heights[] = {38, 34, 40, 36, 39, 33, 37, 40, 35};
    double x = 4;
    for (int i = 0; i < 9; ++i) {
        const QRectF spine(x, 42 - heights[i], widths[i], heights[i]);
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(spines[i]);
        p.drawRoundedRect(spine, 1.2, 1.2);
        // the spine label, with its call number in three short lines
        const QRectF label(spine.left() + 2, spine.bottom() - 14, spine.width() - 4, 10);
        p.setBrush(kPaper);
        p.setPen(Qt::NoPen);
        p.drawRect(label);
        p.setPen(QPen(kInk, 0.7));
        for (int l = 0; l < 3; ++l) {
            const double y = label.top() + 2.5 + l * 2.6;
            p.drawLine(QPointF(label.left() + 1.2, y), QPointF(label.right() - 1.5 - (l % 2), y));
        }
        p.setPen(QPen(kGold, 0.8));
        p.drawLine(QPointF(spine.left() + 1.5, spine.top() + 5),
                   QPointF(spine.right() - 1.5, spine.top() + 5));
        x += widths[i] + 1.5;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8a, 0x5a, 0x32));
    p.drawRect(QRectF(0, 42, 130, 4));  // the shelf
    p.end();
    return pixmap;
}

}  // namespace artwork

}  // namespace lomos
