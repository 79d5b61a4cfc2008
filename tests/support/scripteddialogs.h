#pragma once

#include <QList>
#include <QQueue>
#include <QString>
#include <functional>

#include "common/ui/dialogs.h"

// Answers the boxes from a queue and records each one. A box with no answer
// queued is a test failure: it is recorded in unexpected() and answered "No"
// or "Cancel", so that the test goes on instead of hanging on a modal box.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString kind;  // "message", "question", "input", "printer"
        QString title;
        QString text;
    };

    void answerQuestion(bool yes) { m_questions.enqueue(yes); }
    void answerInput(const QString& text) { m_inputs.enqueue(text); }  // empty: Cancel
    // For the printer dialog: true confirms; the hook may change the printer.
    void answerPrinter(bool confirm, std::function<void(QPrinter&)> hook = {}) {
        m_printers.enqueue({confirm, std::move(hook)});
    }

    void message(QWidget*, const QString& title, const QString& text) override;
    bool question(QWidget*, const QString& title, const QString& text) override;
    QString input(QWidget*, const QString& title, const QString& prompt,
                  const QString& initial) override;
    bool choosePrinter(QWidget*, QPrinter& printer) override;

    const QList<Shown>& shown() const { return m_shown; }
    // The texts of the messages shown, in order.
    QStringList messages() const;
    // The boxes that came without an answer queued.
    const QStringList& unexpected() const { return m_unexpected; }

private:
    struct PrinterAnswer {
        bool confirm;
        std::function<void(QPrinter&)> hook;
    };
    template <class T>
    T next(QQueue<T>& answers, const QString& box, T otherwise);

    QList<Shown> m_shown;
    QStringList m_unexpected;
    QQueue<bool> m_questions;
    QQueue<QString> m_inputs;
    QQueue<PrinterAnswer> m_printers;
};
