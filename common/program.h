#pragma once

#include <functional>
#include <memory>

class QMainWindow;
struct LabelProgram;
struct Seams;

// The whole of either program's main(): the windowless job when the command
// line asks for it, otherwise the main window, centred on the screen. The
// program is described once the language of its texts is known.
using DescribeProgram = std::function<LabelProgram()>;
using MakeMainWindow = std::function<std::unique_ptr<QMainWindow>(const Seams& seams)>;

int runProgram(int argc, char** argv, const DescribeProgram& describe,
               const MakeMainWindow& makeWindow);
