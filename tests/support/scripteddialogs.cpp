#include "scripteddialogs.h"

template <class T>
T ScriptedDialogs::next(QQueue<T>& answers, const QString& box, T otherwise) {
    if (!answers.isEmpty()) return answers.dequeue();
    m_unexpected.append(box);
    return otherwise;
}

void ScriptedDialogs::answerPrinter(bool confirm, std::function<void(QPrinter&)> change) {
    m_printers.enqueue([confirm, change](QPrinter& printer) {
        if (change) change(printer);
        return confirm;
    });
}

void ScriptedDialogs::message(QWidget*, const QString& title, const QString& text) {
    m_shown.append({QStringLiteral("message"), title, text});
}

bool ScriptedDialogs::question(QWidget*, const QString& title, const QString& text) {
    m_shown.append({QStringLiteral("question"), title, text});
    return next(m_questions, "question: " + text, false);
}

int ScriptedDialogs::choose(QWidget*, const QString& title, const QString& text,
                            const QStringList& buttons) {
    m_shown.append({QStringLiteral("choice"), title, text + u'\n' + buttons.join(u'|')});
    const QString answer = next(m_choices, "choice: " + text, buttons.last());
    const qsizetype index = buttons.indexOf(answer);
    if (index < 0) m_unexpected.append("no button " + answer + " in: " + buttons.join(u'|'));
    return int(index < 0 ? buttons.size() - 1 : index);
}

QString ScriptedDialogs::input(QWidget*, const QString& title, const QString& prompt,
                               const QString&) {
    m_shown.append({QStringLiteral("input"), title, prompt});
    return next(m_inputs, "input: " + prompt, QString());
}

QString ScriptedDialogs::pick(QWidget*, const QString& title, const QString& prompt,
                              const QStringList& items, const QString& current) {
    m_shown.append({QStringLiteral("pick"), title, prompt + u'\n' + items.join(u'|') + u'\n' + current});
    const QString answer = next(m_picks, "pick: " + prompt, QString());
    if (!answer.isEmpty() && !items.contains(answer)) m_unexpected.append("no item " + answer);
    return answer;
}

QString ScriptedDialogs::saveFile(QWidget*, const QString& title, const QString& suggested,
                                  const QString&) {
    m_shown.append({QStringLiteral("file"), title, suggested});
    return next(m_files, "file: " + title, QString());
}

QString ScriptedDialogs::openFile(QWidget*, const QString& title, const QString&) {
    m_shown.append({QStringLiteral("file"), title, {}});
    return next(m_files, "file: " + title, QString());
}

bool ScriptedDialogs::choosePrinter(QWidget*, QPrinter& printer) {
    m_shown.append({QStringLiteral("printer"), {}, {}});
    return next(m_printers, QStringLiteral("printer dialog"),
                PrinterAnswer([](QPrinter&) { return false; }))(printer);
}

std::optional<jobselection::Fields> ScriptedDialogs::editLabel(QWidget*, const QString& title,
                                                               const QStringList& captions,
                                                               const jobselection::Fields& fields) {
    m_shown.append({QStringLiteral("edit"), title, captions.join(u'|')});
    return next(m_edits, "edit: " + title,
                EditAnswer([](const jobselection::Fields&) { return std::nullopt; }))(fields);
}

QStringList ScriptedDialogs::messages() const {
    QStringList texts;
    for (const Shown& s : m_shown) {
        if (s.kind == QLatin1String("message")) texts.append(s.text);
    }
    return texts;
}
