#pragma once

#include <QStringList>

namespace tw {

class Desktop;

// A program of the desktop that the Tools menu starts: the names it may have, in the order they
// are tried, and what the user is told it is.
struct OutsideProgram {
    QString kind;
    QStringList candidates;
};

const OutsideProgram &calculatorProgram();
const OutsideProgram &textEditorProgram();

// The full path of the first candidate found on the search path; empty when none is.
QString findProgram(const OutsideProgram &program);

// Starts the program; when none is installed or it does not start, the running handler ends
// with a message saying what to install or what failed.
void startProgram(Desktop &desktop, const OutsideProgram &program);

} // namespace tw
