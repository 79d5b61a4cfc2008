#include "common/program.h"
#include "lomos/program.h"
#include "lomos/ui/mainwindow.h"

int main(int argc, char** argv) {
    return runProgram(argc, argv, lomos::program, [](const Seams& seams) {
        return std::make_unique<lomos::MainWindow>(seams);
    });
}
