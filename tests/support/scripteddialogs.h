#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QQueue>
#include <QTest>
#include <functional>

#include "common/ui/boxes/dialogs.h"

// Answers the boxes from queues and records each one. A box with no answer
// queued is a test failure: it is recorded in unexpected() and answered "No"
// or "Cancel", so that the test goes on instead of hanging on a modal box.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString kind;  // "message", "question", "choice", "input", "pick", "file", "printer", "edit"
        QString title;
        QString text;
    };
    using PrinterAnswer = std::function<bool(QPrinter&)>;  // true confirms
    // Gets a label's fields as the box shows them; nothing cancels.
    using EditAnswer =
        std::function<std::optional<jobselection::Fields>(const jobselection::Fields&)>;

    void answerQuestion(bool yes) { m_questions.enqueue(yes); }
    void answerInput(const QString& text) { m_inputs.enqueue(text); }  // empty: Cancel
    void answerChoice(const QString& button) { m_choices.enqueue(button); }
    void answerPick(const QString& item) { m_picks.enqueue(item); }  // empty: Cancel
    void answerPrinter(bool confirm, std::function<void(QPrinter&)> change = {});
    void answerEdit(EditAnswer edit) { m_edits.enqueue(std::move(edit)); }
    // The file a save or open box gives; empty: Cancel.
    void answerFile(const QString& path) { m_files.enqueue(path); }

    void message(QWidget*, const QString& title, const QString& text) override;
    bool question(QWidget*, const QString& title, const QString& text) override;
    int choose(QWidget*, const QString& title, const QString& text,
               const QStringList& buttons) override;
    QString input(QWidget*, const QString& title, const QString& prompt, const QString&) override;
    QString pick(QWidget*, const QString& title, const QString& prompt, const QStringList& items,
                 const QString& current) override;
    QString saveFile(QWidget*, const QString& title, const QString& suggested,
                     const QString& filter) override;
    QString openFile(QWidget*, const QString& title, const QString& filter) override;
    bool choosePrinter(QWidget*, QPrinter& printer) override;
    std::optional<jobselection::Fields> editLabel(QWidget*, const QString& title,
                                                  const QStringList& captions,
                                                  const jobselection::Fields& fields) override;

    const QList<Shown>& shown() const { return m_shown; }
    QStringList messages() const;  // the texts of the messages shown, in order
    const QStringList& unexpected() const { return m_unexpected; }

private:
    template <class T>
    T next(QQueue<T>& answers, const QString& box, T otherwise);

    QList<Shown> m_shown;
    QStringList m_unexpected;
    QQueue<bool> m_questions;
    QQueue<QString> m_inputs;
    QQueue<QString> m_choices;
    QQueue<QString> m_picks;
    QQueue<QString> m_files;
    QQueue<PrinterAnswer> m_printers;
    QQueue<EditAnswer> m_edits;
};

// Widgets are found by their object names.
namespace windowtest {

// Shortcuts reach only the active window.
inline bool activate(QWidget* w) {
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

inline QLineEdit* field(QWidget* w, const char* name) {
    return w->findChild<QLineEdit*>(QString::fromUtf8(name));
}

// The status label's caption.
inline QString caption(QWidget* w) { return w->findChild<QLabel*>("lblEspere")->text(); }

}  // namespace windowtest
