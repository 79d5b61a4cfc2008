#include "scripteddialogs.h"

template <class T>
T ScriptedDialogs::next(QQueue<T>& answers, const QString& box, T otherwise) {
    if (!answers.isEmpty()) return answers.dequeue();
    m_unexpected.append(box);
    return otherwise;
}

void ScriptedDialogs::message(QWidget*, const QString& title, const QString& text) {
    m_shown.append({QStringLiteral("message"), title, text});
}

bool ScriptedDialogs::question(QWidget*, const QString& title, const QString& text) {
    m_shown.append({QStringLiteral("question"), title, text});
    return next(m_questions, QStringLiteral("question: ") + text, false);
}

QString ScriptedDialogs::input(QWidget*, const QString& title, const QString& prompt,
                               const QString&) {
    m_shown.append({QStringLiteral("input"), title, prompt});
    return next(m_inputs, QStringLiteral("input: ") + prompt, QString());
}

bool ScriptedDialogs::choosePrinter(QWidget*, QPrinter& printer) {
    m_shown.append({QStringLiteral("printer"), QString(), QString()});
    const PrinterAnswer answer = next(m_printers, QStringLiteral("printer dialog"), PrinterAnswer{false, {}});
    if (answer.hook) answer.hook(printer);
    return answer.confirm;
}

QStringList ScriptedDialogs::messages() const {
    QStringList texts;
    for (const Shown& s : m_shown) {
        if (s.kind == QLatin1String("message")) texts.append(s.text);
    }
    return texts;
}
