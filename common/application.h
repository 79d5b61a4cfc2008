#pragma once

class QCoreApplication;

// What both programs do at start: Qt's own Spanish texts (standard buttons,
// the printer dialog) and drive C ready for the settings file.
void setUpApplication(QCoreApplication& app);

#include <QApplication>
#include <QScreen>
#include <QTextStream>

#include "batchoptions.h"
#include "dialogs.h"

// The whole of either program's main(): the windowless job when the command
// line asks for it, otherwise the main window, centred on the screen.
template <class MainWindow>
int runProgram(int argc, char** argv, const QString& name, int (*job)(const QStringList& arguments)) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    if (isBatchCommandLine(arguments)) return runWithoutWindow(argc, argv, job);

    QApplication app(argc, argv);
    QApplication::setApplicationName(name);
    setUpApplication(app);
    QtDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    return app.exec();
}
