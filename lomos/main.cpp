#include "common/program.h"
#include "lomos/program.h"
#include "lomos/ui/mainwindow.h"

int main(int argc, char** argv) {
    return runProgram(argc, argv, lomos::program(), [](Dialogs& dialogs) {
        return std::make_unique<lomos::MainWindow>(dialogs);
    });
}
