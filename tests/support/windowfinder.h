#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>

// Windows and commands found as a person finds them, by their names.
namespace windowtest {

// A window the program opened beside its main window, by its object name:
// those windows have no parent. None when it is not open.
template <class Window = QWidget>
Window* opened(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QString::fromUtf8(name) && w->isVisible()) {
            if (auto* window = qobject_cast<Window*>(w)) return window;
        }
    }
    return nullptr;
}

// Runs a command as a person would: the menu item, toolbar action or button
// of that name in `w`.
inline void run(QWidget* w, const char* name) {
    if (auto* action = w->findChild<QAction*>(QString::fromUtf8(name))) return action->trigger();
    auto* button = w->findChild<QAbstractButton*>(QString::fromUtf8(name));
    if (!button) qFatal("There is no command %s", name);  // a test naming what is not there
    button->click();
}

}  // namespace windowtest
