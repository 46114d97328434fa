#pragma once

#include "app/main_window.h"

#include <QStringList>

#include <optional>

namespace tw {

// Command-line options: --no-splash, --decimal=point|comma. nullopt and a message for anything
// else.
struct CommandLine {
    bool noSplash = false;
    std::optional<DecimalMode> decimalMode;
};
std::optional<CommandLine> parseCommandLine(const QStringList &arguments, QString *error);

// The decimal mode of the user's locale unless the command line chose one.
DecimalMode decidedDecimalMode(const CommandLine &line);

// Runs the program: application title, windows, event loop. Returns the exit code.
int runProgram(int argc, char **argv);

} // namespace tw
