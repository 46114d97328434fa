#pragma once

#include "app/main_window.h"

#include <QStringList>

#include <optional>

namespace tw {

// What the command line asks for. Run carries the start options; Help, Version and Error carry
// the text to print (Error's on standard error, with the hint to --help).
struct CommandLine {
    enum class Action { Run, Help, Version, Error, Batch, List };
    Action action = Action::Run;
    bool noSplash = false;
    std::optional<DecimalMode> decimalMode;
    QString text;
    // Batch: the file of cases, "-" for standard input. List: the calculator, empty for all.
    QString argument;
    bool csv = false;
};
// arguments as QCoreApplication::arguments() gives them: the program first, the toolkit's own
// options already removed.
CommandLine parseCommandLine(const QStringList &arguments);

// The decimal mode of the user's locale unless the command line chose one.
DecimalMode decidedDecimalMode(const CommandLine &line);

// Runs the program: application title, windows, event loop. Returns the exit code.
int runProgram(int argc, char **argv);

} // namespace tw
