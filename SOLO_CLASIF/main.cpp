#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTextStream>
#include <cstdio>

#include "application.h"
#include "batch.h"
#include "dialogs.h"
#include "frmprincipal.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));

    if (isBatchCommandLine(arguments)) {
        // No window is shown: run without a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // Standard error carries the job's own messages only.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
            if (type == QtCriticalMsg || type == QtFatalMsg) {
                std::fprintf(stderr, "%s\n", qPrintable(msg));
            }
        });
        QGuiApplication app(argc, argv);
        setUpApplication(app);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return runBatch(arguments, out, err);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lomos"));
    setUpApplication(app);
    QtDialogs dialogs;
    frmPrincipal window(dialogs);
    window.show();
    // Centred on the screen.
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    return app.exec();
}
