#pragma once

class QCoreApplication;

// What both programs do at start, with a window or without: Qt's own Spanish
// texts (standard buttons, the printer dialog) and drive C ready for the
// settings file.
void setUpApplication(QCoreApplication& app);

// Qt's notes about the session (no runtime folder, no display) reach nobody
// who can act on them, and would only confuse a script reading standard
// error: only failures are written there.
void keepOnlyQtFailures();
