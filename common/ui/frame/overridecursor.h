#pragma once

#include <QApplication>

// A cursor over the whole application while it lives: the wait cursor while
// a command runs, the arrow while a box asks the user in the middle of one.
class OverrideCursor {
public:
    explicit OverrideCursor(Qt::CursorShape shape = Qt::WaitCursor) {
        QApplication::setOverrideCursor(shape);
    }
    ~OverrideCursor() { QApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;
};
