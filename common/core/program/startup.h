#pragma once

#include <QString>

class QCoreApplication;

// What both programs do at start, with a window or without: their texts and
// Qt's own (standard buttons, the printer dialog) in the language of the
// staff, and drive C ready for the settings file.
void setUpApplication(QCoreApplication& app);

// The programs' texts, Qt's own and the numbers in the language of `code`
// ("es", "ca"...), in place of any chosen before. Spanish, the language the
// texts are written in, brings its plural forms.
void useLanguage(QCoreApplication& app, const QString& code);

// Qt's notes about the session (no runtime folder, no display) reach nobody
// who can act on them, and would only confuse a script reading standard
// error: only failures are written there.
void keepOnlyQtFailures();
