#include "common/program.h"

#include <QApplication>
#include <QIcon>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QTextStream>
#include <cstdio>

#include "common/batch/batchjob.h"
#include "common/core/program/labelprogram.h"
#include "common/core/program/startup.h"
#include "common/core/text/messages.h"
#include "common/ui/boxes/qtdialogs.h"
#include "common/ui/frame/roomforcaptions.h"
#include "common/ui/frame/seams.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <cstdio>

namespace {

// The programs are window programs, started without a console. The
// windowless job writes to the console it was started from, unless its
// output already goes somewhere (a file, a pipe).
void writeToParentConsole() {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}

}  // namespace
#endif

int runProgram(int argc, char** argv, const DescribeProgram& describe,
               const MakeMainWindow& makeWindow) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    // The user's data folder (the history of jobs) is the program's own.
    QCoreApplication::setApplicationName(describe().name);
    if (isBatchCommandLine(arguments)) {
#ifdef Q_OS_WIN
        writeToParentConsole();
#endif
        return runWithoutWindow(argc, argv, [&describe](const QStringList& options) {
            QTextStream out(stdout);
            QTextStream err(stderr);
            return runBatchJob(options, describe(), out, err);
        });
    }

    // Started from the desktop's menu there is no terminal, and nothing the
    // user needs goes there.
    keepOnlyQtFailures();
    QApplication app(argc, argv);
    setUpApplication(app, languageArgument(arguments));
    if (const QString refused = languageRefusal(arguments); !refused.isEmpty()) {
        // Started from a shortcut there is no terminal to read it in.
        std::fprintf(stderr, "%s\n", qPrintable(refused));
        QMessageBox::warning(nullptr, messages::title(), refused);
        return 1;
    }
    makeRoomInEveryWindow(app);
    const QString name = QCoreApplication::applicationName();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(name)));
    QtDialogs dialogs;
    const std::unique_ptr<QMainWindow> window = makeWindow(Seams{dialogs});
    window->show();
    window->move(window->screen()->availableGeometry().center() - window->rect().center());
    return app.exec();
}
