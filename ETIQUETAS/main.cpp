#include "application.h"
#include "batch.h"
#include "frmprincipal.h"

namespace {
int batchJob(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return fichas::runBatch(arguments, out, err);
}
}  // namespace

int main(int argc, char** argv) {
    return runProgram<fichas::frmPrincipal>(argc, argv, QStringLiteral("fichas"), batchJob);
}
