#include "scripteddialogs.h"

void ScriptedDialogs::message(QWidget*, const QString& title, const QString& text) {
    m_shown.append({QStringLiteral("message"), title, text});
}

bool ScriptedDialogs::question(QWidget*, const QString& title, const QString& text) {
    m_shown.append({QStringLiteral("question"), title, text});
    if (m_questions.isEmpty()) throw NoAnswerQueued{QStringLiteral("question: ") + text};
    return m_questions.dequeue();
}

QString ScriptedDialogs::input(QWidget*, const QString& title, const QString& prompt,
                               const QString&) {
    m_shown.append({QStringLiteral("input"), title, prompt});
    if (m_inputs.isEmpty()) throw NoAnswerQueued{QStringLiteral("input: ") + prompt};
    return m_inputs.dequeue();
}

bool ScriptedDialogs::choosePrinter(QWidget*, QPrinter& printer) {
    m_shown.append({QStringLiteral("printer"), QString(), QString()});
    if (m_printers.isEmpty()) throw NoAnswerQueued{QStringLiteral("printer dialog")};
    PrinterAnswer answer = m_printers.dequeue();
    if (answer.hook) answer.hook(printer);
    return answer.confirm;
}

QList<ScriptedDialogs::Shown> ScriptedDialogs::messages() const {
    QList<Shown> result;
    for (const Shown& s : m_shown) {
        if (s.kind == QLatin1String("message")) result.append(s);
    }
    return result;
}
