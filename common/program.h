#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Dialogs;
class QMainWindow;

// The whole of either program's main(): the windowless job when the command
// line asks for it, otherwise the main window, centred on the screen.
using MakeMainWindow = std::function<std::unique_ptr<QMainWindow>(Dialogs& dialogs)>;
using BatchJob = int (*)(const QStringList& arguments);

int runProgram(int argc, char** argv, const QString& name, const MakeMainWindow& makeWindow,
               BatchJob job);
