#include "common/program.h"
#include "fichas/program.h"
#include "fichas/ui/mainwindow.h"

int main(int argc, char** argv) {
    return runProgram(argc, argv, fichas::program, [](const Seams& seams) {
        return std::make_unique<fichas::MainWindow>(seams);
    });
}
