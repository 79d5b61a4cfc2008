#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "common/ui/dialogs.h"

namespace {

// Commands run under a wait cursor; a box asking the user shows the arrow.
class ArrowCursor {
public:
    ArrowCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~ArrowCursor() { QApplication::restoreOverrideCursor(); }
    ArrowCursor(const ArrowCursor&) = delete;
    ArrowCursor& operator=(const ArrowCursor&) = delete;
};

}  // namespace

void QtDialogs::message(QWidget* parent, const QString& title, const QString& text) {
    ArrowCursor arrow;
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::question(QWidget* parent, const QString& title, const QString& text) {
    ArrowCursor arrow;
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::input(QWidget* parent, const QString& title, const QString& prompt,
                         const QString& initial) {
    ArrowCursor arrow;
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, initial, &ok);
    return ok ? text : QString();
}

bool QtDialogs::choosePrinter(QWidget* parent, QPrinter& printer) {
    ArrowCursor arrow;
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
