#include <QTextStream>

#include "common/program.h"
#include "fichas/batch.h"
#include "fichas/ui/mainwindow.h"

namespace {

int batchJob(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return fichas::runBatch(arguments, out, err);
}

}  // namespace

int main(int argc, char** argv) {
    return runProgram(
        argc, argv, QStringLiteral("fichas"),
        [](Dialogs& dialogs) { return std::make_unique<fichas::MainWindow>(dialogs); }, batchJob);
}
