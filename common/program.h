#pragma once

#include <functional>
#include <memory>

class Dialogs;
class QMainWindow;
struct LabelProgram;

// The whole of either program's main(): the windowless job when the command
// line asks for it, otherwise the main window, centred on the screen.
using MakeMainWindow = std::function<std::unique_ptr<QMainWindow>(Dialogs& dialogs)>;

int runProgram(int argc, char** argv, const LabelProgram& program,
               const MakeMainWindow& makeWindow);
