#include "app/outside_programs.h"

#include "ui/errors.h"
#include "ui/platform.h"

#include <QStandardPaths>

namespace tw {

const OutsideProgram &calculatorProgram()
{
#ifdef Q_OS_WIN
    static const OutsideProgram program{"calculator", {"calc.exe"}};
#else
    static const OutsideProgram program{
        "calculator",
        {"gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-gtk", "xcalc"}};
#endif
    return program;
}

const OutsideProgram &textEditorProgram()
{
#ifdef Q_OS_WIN
    static const OutsideProgram program{"text editor", {"notepad.exe"}};
#else
    static const OutsideProgram program{"text editor",
                                        {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad",
                                         "pluma", "xed", "featherpad", "leafpad"}};
#endif
    return program;
}

QString findProgram(const OutsideProgram &program)
{
    for (const QString &name : program.candidates) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

void startProgram(Desktop &desktop, const OutsideProgram &program)
{
    const QString path = findProgram(program);
    if (path.isEmpty())
        throw HandlerError(QStringLiteral("No %1 program was found. Please install one of these: "
                                          "%2.")
                               .arg(program.kind, program.candidates.join(QStringLiteral(", "))));
    if (!desktop.startProgram(path))
        throw HandlerError(
            QStringLiteral("The %1 program %2 could not be started.").arg(program.kind, path));
}

} // namespace tw
