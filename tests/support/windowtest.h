#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

// Helpers for the window tests: widgets are found by their object names.
namespace windowtest {

// Shortcuts reach only the active window.
inline bool activate(QWidget* w) {
    w->activateWindow();
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

inline QLineEdit* field(QWidget* w, const char* name) {
    return w->findChild<QLineEdit*>(QString::fromUtf8(name));
}

// The status label's caption.
inline QString caption(QWidget* w) { return w->findChild<QLabel*>("lblEspere")->text(); }

}  // namespace windowtest
