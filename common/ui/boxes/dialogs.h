#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

#include "common/core/review/jobselection.h"

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
    // The same, placed beside `keepClear` (on the screen) rather than over it.
    virtual bool questionBeside(QWidget* parent, const QString& title, const QString& text,
                                const QRect& keepClear) {
        (void)keepClear;
        return question(parent, title, text);
    }

    // A box with a button for each of `buttons`, the first the default.
    // Returns the index of the button pressed; closing the box presses the
    // last one, which must be the one that changes nothing.
    virtual int choose(QWidget* parent, const QString& title, const QString& text,
                       const QStringList& buttons) = 0;

    // An input box with a prompt and a starting text. The typed text on OK,
    // an empty text on Cancel.
    virtual QString input(QWidget* parent, const QString& title, const QString& prompt,
                          const QString& initial) = 0;

    // A list to pick one item from, `current` picked at first. The item
    // picked on OK, an empty text on Cancel.
    virtual QString pick(QWidget* parent, const QString& title, const QString& prompt,
                         const QStringList& items, const QString& current) = 0;

    // A file to save into, `suggested` at first; empty on Cancel.
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& suggested,
                             const QString& filter) = 0;

    // A file to open; empty on Cancel.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter) = 0;

    // The printer dialog on `printer`; true when the user confirmed it.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;

    // A label's fields to edit, each a box of lines under its caption. The
    // lines on OK, nothing on Cancel.
    virtual std::optional<jobselection::Fields> editLabel(QWidget* parent, const QString& title,
                                                          const QStringList& captions,
                                                          const jobselection::Fields& fields) = 0;
};
