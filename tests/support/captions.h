#pragma once

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QWidget>

namespace windowtest {

// The captions of a window's labels and buttons that its widgets cut: the
// ink of the text, in the widget's own font, wider than the widget (less a
// button's frame), or its lines taller. Each line of a caption counts; a
// word-wrapped label counts as the height its text needs at its width.
// A caption as shown: a mnemonic's "&" takes no room, "&&" shows one.
inline QString shownCaption(QString text) {
    text.replace(QLatin1String("&&"), QStringLiteral("\x1f"));
    text.remove(u'&');
    return text.replace(u'\x1f', u'&');
}

inline QStringList cutCaptions(const QWidget* window) {
    QStringList cut;
    auto check = [&](const QWidget* w, const QString& text, int width, int height) {
        const QFontMetrics metrics(w->font());
        const QStringList lines = text.split(u'\n');
        int widest = 0;
        for (const QString& line : lines) {
            widest = std::max(widest, metrics.tightBoundingRect(line).right() + 1);
        }
        if (widest > width || int(lines.size()) * metrics.height() > height) {
            cut.append(QStringLiteral("%1 «%2»: %3 x %4 in %5 x %6")
                           .arg(w->objectName(), text)
                           .arg(widest)
                           .arg(int(lines.size()) * metrics.height())
                           .arg(width)
                           .arg(height));
        }
    };
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty()) continue;
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height()) {
                cut.append(label->objectName() + QStringLiteral(" «") + label->text() +
                           QStringLiteral("»: wraps past its height (%1 > %2)").arg(label->heightForWidth(label->width())).arg(label->height()));
            }
            continue;
        }
        check(label, label->buddy() ? shownCaption(label->text()) : label->text(),
              label->contentsRect().width(), label->contentsRect().height());
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty()) continue;
        const auto* tool = qobject_cast<const QToolButton*>(button);
        if (tool && tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon) {
            check(button, shownCaption(button->text()), button->width(),
                  button->height() - tool->iconSize().height());
            continue;
        }
        const int frame = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
        check(button, shownCaption(button->text()), button->width() - frame, button->height());
    }
    return cut;
}

}  // namespace windowtest
