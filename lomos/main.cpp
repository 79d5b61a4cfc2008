#include <QTextStream>

#include "common/program.h"
#include "lomos/batch.h"
#include "lomos/ui/mainwindow.h"

namespace {

int batchJob(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return lomos::runBatch(arguments, out, err);
}

}  // namespace

int main(int argc, char** argv) {
    return runProgram(
        argc, argv, QStringLiteral("lomos"),
        [](Dialogs& dialogs) { return std::make_unique<lomos::MainWindow>(dialogs); }, batchJob);
}
