#include <QApplication>
#include <QScreen>
#include <QTextStream>

#include "application.h"
#include "batch.h"
#include "batchoptions.h"
#include "dialogs.h"
#include "frmprincipal.h"

namespace {
int batchJob(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return fichas::runBatch(arguments, out, err);
}
}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    if (isBatchCommandLine(arguments)) return runWithoutWindow(argc, argv, batchJob);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fichas"));
    setUpApplication(app);
    QtDialogs dialogs;
    fichas::frmPrincipal window(dialogs);
    window.show();
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    return app.exec();
}
