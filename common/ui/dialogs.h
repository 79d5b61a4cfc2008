#pragma once

#include <QString>

class QPrinter;
class QWidget;

// Everything that asks a person goes through here, so that tests can answer
// without one. Every box is modal.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message with one OK button.
    virtual void message(QWidget* parent, const QString& title, const QString& text) = 0;

    // A question with Yes and No; true for Yes.
    virtual bool question(QWidget* parent, const QString& title, const QString& text) = 0;

    // An input box with a prompt and a starting text. The typed text on OK,
    // an empty text on Cancel.
    virtual QString input(QWidget* parent, const QString& title, const QString& prompt,
                          const QString& initial) = 0;

    // The printer dialog on `printer`; true when the user confirmed it.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The real boxes: QMessageBox, QInputDialog, QPrintDialog.
class QtDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    QString input(QWidget* parent, const QString& title, const QString& prompt,
                  const QString& initial) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
};
