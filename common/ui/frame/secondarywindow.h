#pragma once

#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "common/ui/frame/twips.h"

// Closes the window it watches when Esc reaches it, that is when nothing in
// the window took the key (a cell being edited takes it first).
class CloseOnEscape : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) {
            return false;
        }
        static_cast<QWidget*>(watched)->close();
        return true;
    }
};

// A window that a main window opens beside itself: a window of its own,
// without a parent, made the first time it is opened and again after it
// was closed (closing deletes it), and deleted with whoever opened it. Esc
// closes it, as its own "Cerrar" or "Regresar" does.
template <class Window>
class SecondaryWindow {
public:
    SecondaryWindow() = default;
    ~SecondaryWindow() { delete m_window; }
    SecondaryWindow(const SecondaryWindow&) = delete;
    SecondaryWindow& operator=(const SecondaryWindow&) = delete;

    // Shows the window over the others, made by `make` when there is none.
    Window& open(const std::function<Window*()>& make) {
        if (!m_window) {
            m_window = make();
            m_window->setAttribute(Qt::WA_DeleteOnClose);
            m_window->installEventFilter(new CloseOnEscape(m_window));
        }
        bringToFront(m_window);
        return *m_window;
    }
    // The window, while it is open; none otherwise.
    Window* get() const { return m_window; }
    // Closes it as the user would, asked what it asks; false when it stays.
    bool close() { return !m_window || m_window->close(); }
    // Deletes it unasked: what it showed is gone.
    void discard() { delete m_window; }

private:
    QPointer<Window> m_window;
};
