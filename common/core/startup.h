#pragma once

class QCoreApplication;

// What both programs do at start, with a window or without: Qt's own Spanish
// texts (standard buttons, the printer dialog) and drive C ready for the
// settings file.
void setUpApplication(QCoreApplication& app);
