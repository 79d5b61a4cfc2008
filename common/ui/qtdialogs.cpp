#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "common/core/messages.h"
#include "common/core/sheetflow.h"
#include "common/ui/dialogs.h"
#include "common/ui/waitcursor.h"

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

int QtDialogs::choose(QWidget* parent, const QString& title, const QString& text,
                      const QStringList& buttons) {
    ArrowCursor arrow;
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> pressed;
    for (const QString& caption : buttons) {
        pressed.append(box.addButton(caption, pressed.size() + 1 == buttons.size()
                                                  ? QMessageBox::RejectRole
                                                  : QMessageBox::AcceptRole));
    }
    if (!pressed.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(pressed.first()));
        box.setEscapeButton(pressed.last());
    }
    box.exec();
    const qsizetype index = pressed.indexOf(box.clickedButton());
    return int(index < 0 ? buttons.size() - 1 : index);
}

QString QtDialogs::input(QWidget* parent, const QString& title, const QString& prompt,
                         const QString& initial) {
    ArrowCursor arrow;
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, initial, &ok);
    return ok ? text : QString();
}

QString QtDialogs::pick(QWidget* parent, const QString& title, const QString& prompt,
                        const QStringList& items, const QString& current) {
    ArrowCursor arrow;
    bool ok = false;
    const QString item =
        QInputDialog::getItem(parent, title, prompt, items,
                              int(std::max<qsizetype>(0, items.indexOf(current))), false, &ok);
    return ok ? item : QString();
}

bool QtDialogs::choosePrinter(QWidget* parent, QPrinter& printer) {
    ArrowCursor arrow;
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrintOutcome printAndTell(Dialogs& dialogs, QWidget* parent, const LabelWalk& walk,
                          DrawingSurface& surface, const FirstSheet& first) {
    PrintOutcome outcome;
    {
        WaitCursor wait;
        outcome = printSheets(walk, surface, first);
    }
    dialogs.message(parent, messages::kTitle, printOutcomeMessage(outcome));
    return outcome;
}

bool confirmLabels(Dialogs& dialogs, QWidget* parent, const labelcheck::Check& check,
                   DrawingSurface& surface) {
    WaitCursor wait;  // the boxes show the arrow
    return checkBeforePrinting(
        check, surface,
        [&](const QString& text) { dialogs.message(parent, messages::kTitle, text); },
        [&](const std::vector<labelcheck::Finding>& findings) {
            return dialogs.choose(parent, messages::kTitle, labelcheck::findingsMessage(findings),
                                  {messages::kPrintAnyway, messages::kCancel}) == 0;
        });
}
