#include "common/ui/frame/roomforcaptions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QLocale>

namespace {

constexpr int kGap = 4;  // pixels kept between neighbours

// The width `widget` needs for its caption, or 0 when it is not one the
// window places by hand.
int widthNeeded(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    if (!parent || (parent->layout() && parent->layout()->indexOf(widget) >= 0)) return 0;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText ||
            label->text().contains(u'\n'))
            return 0;
        QString shown = label->text();
        if (label->buddy()) shown.remove(u'&');
        const int frame = label->width() - label->contentsRect().width();
        return label->fontMetrics().tightBoundingRect(shown).right() + 1 + frame + 1;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (button->text().isEmpty() || button->text().contains(u'\n')) return 0;
        return button->sizeHint().width();
    }
    return 0;
}

bool sameRow(const QRect& a, const QRect& b) { return a.top() <= b.bottom() && b.top() <= a.bottom(); }

void widen(QWidget* widget, int extra) {
    QWidget* parent = widget->parentWidget();
    const QRect at = widget->geometry();
    int freeRight = parent->width() - at.right() - 1 - kGap;
    int freeLeft = at.left() - kGap;
    QList<QWidget*> onTheRight;
    for (QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == widget || other->isWindow() || !sameRow(other->geometry(), at)) continue;
        if (other->x() > at.right()) {
            freeRight = std::min(freeRight, other->x() - at.right() - 1 - kGap);
            onTheRight << other;
        } else if (other->geometry().right() < at.left()) {
            freeLeft = std::min(freeLeft, at.left() - other->geometry().right() - 1 - kGap);
        }
    }
    const int right = std::clamp(extra, 0, std::max(freeRight, 0));
    const int left = std::clamp(extra - right, 0, std::max(freeLeft, 0));
    const int pushed = extra - right - left;
    widget->setGeometry(at.adjusted(-left, 0, right + pushed, 0));
    if (pushed == 0) return;
    for (QWidget* other : onTheRight) other->move(other->x() + pushed, other->y());
    // The parent, and those holding it up to the window, grow only as far as
    // what they hold now reaches.
    for (QWidget* holder = parent; holder; holder = holder->isWindow() ? nullptr : holder->parentWidget()) {
        const int reach = holder->childrenRect().right() + 1 + kGap;
        if (reach <= holder->width()) break;
        const QSize grown(reach, holder->height());
        if (holder->minimumWidth() == holder->maximumWidth()) holder->setFixedSize(grown);
        else holder->resize(grown);
    }
}

bool isSpanish() { return QLocale().language() == QLocale::Spanish; }

// Makes room in each window once, when it is first shown.
class RoomOnShow : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && !widget->property(kDone).toBool()) {
                widget->setProperty(kDone, true);
                makeRoomForCaptions(widget);
            }
        }
        return false;
    }

private:
    static constexpr const char* kDone = "etiquetas_room_made";
};

}  // namespace

void makeRoomForCaptions(QWidget* window) {
    if (isSpanish()) return;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (const int need = widthNeeded(widget); need > widget->width()) widen(widget, need - widget->width());
    }
}

void makeRoomInEveryWindow(QApplication& app) { app.installEventFilter(new RoomOnShow(&app)); }
