#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QCoreApplication;

// What both programs do at start, with a window or without: their texts and
// Qt's own (standard buttons, the printer dialog) in the language of the
// staff, and drive C ready for the settings file.
// `commandLine` is the language --language names, when it names one.
void setUpApplication(QCoreApplication& app, const std::optional<QString>& commandLine = {});

// What was wrong with the machine's presets (a language, a stock or a
// design that cannot be used), in the language in force; each is then left
// out. Said once, by whoever starts.
QStringList machineNotices();

// A language the programs speak: its code and its name in itself.
struct Language {
    QString code;
    QString name;
};
const std::vector<Language>& languages();
bool isLanguage(const QString& code);

// The language in force: `commandLine` (unless it contradicts the machine's
// locked one), then the locked one, the user's own, the machine's preset
// one, and Spanish.
QString languageInForce(const std::optional<QString>& commandLine);
// Keeps the user's own language, for the next start.
void chooseLanguage(const QString& code);

// The value of --language in `arguments`, when it is there.
std::optional<QString> languageArgument(const QStringList& arguments);

// The programs' texts, Qt's own and the numbers in the language of `code`
// ("es", "ca"...), in place of any chosen before. Spanish, the language the
// texts are written in, brings its plural forms.
void useLanguage(QCoreApplication& app, const QString& code);

// Qt's notes about the session (no runtime folder, no display) reach nobody
// who can act on them, and would only confuse a script reading standard
// error: only failures are written there.
void keepOnlyQtFailures();
