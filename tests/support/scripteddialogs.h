#pragma once

#include <QList>
#include <QQueue>
#include <QString>
#include <functional>

#include "dialogs.h"

// Answers the boxes from a queue and records each one. A box that has no
// answer queued fails the test at once (it throws), instead of hanging.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString kind;  // "message", "question", "input", "printer"
        QString title;
        QString text;
    };

    struct NoAnswerQueued {
        QString what;
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
    QList<Shown> messages() const;
    void clear() { m_shown.clear(); }
    bool allAnswersUsed() const {
        return m_questions.isEmpty() && m_inputs.isEmpty() && m_printers.isEmpty();
    }

private:
    struct PrinterAnswer {
        bool confirm;
        std::function<void(QPrinter&)> hook;
    };
    QList<Shown> m_shown;
    QQueue<bool> m_questions;
    QQueue<QString> m_inputs;
    QQueue<PrinterAnswer> m_printers;
};
