#include "common/program.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>

#include "common/batch/batchjob.h"
#include "common/core/startup.h"
#include "common/ui/dialogs.h"

int runProgram(int argc, char** argv, const QString& name, const MakeMainWindow& makeWindow,
               BatchJob job) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    if (isBatchCommandLine(arguments)) return runWithoutWindow(argc, argv, job);

    QApplication app(argc, argv);
    QApplication::setApplicationName(name);
    setUpApplication(app);
    QtDialogs dialogs;
    const std::unique_ptr<QMainWindow> window = makeWindow(dialogs);
    window->show();
    window->move(window->screen()->availableGeometry().center() - window->rect().center());
    return app.exec();
}
