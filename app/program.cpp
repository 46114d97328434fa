#include "app/program.h"

#include "app/settings/settings_store.h"
#include "ui/messages.h"
#include "ui/platform.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace tw {

std::optional<CommandLine> parseCommandLine(const QStringList &arguments, QString *error)
{
    CommandLine line;
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QStringLiteral("--no-splash")) {
            line.noSplash = true;
        } else if (argument == QStringLiteral("--decimal=point")) {
            line.decimalMode = DecimalMode::Point;
        } else if (argument == QStringLiteral("--decimal=comma")) {
            line.decimalMode = DecimalMode::Comma;
        } else {
            if (error)
                *error = QStringLiteral("Unknown option '%1'. Options: --no-splash, "
                                        "--decimal=point, --decimal=comma")
                             .arg(argument);
            return std::nullopt;
        }
    }
    return line;
}

DecimalMode decidedDecimalMode(const CommandLine &line)
{
    if (line.decimalMode)
        return *line.decimalMode;
    return decimalModeFromSeparator(QLocale::system().decimalPoint().at(0));
}

int runProgram(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Korvane Toolkit");
    BoxMessages messages;
    try {
        QString error;
        const std::optional<CommandLine> line = parseCommandLine(application.arguments(), &error);
        if (!line) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 2;
        }
        NativeSettingsStore settings;
        SystemDesktop desktop;
        SystemClock systemClock;
        NoWaitClock noWait;
        StartOptions start{line->noSplash, decidedDecimalMode(*line)};
        Services services{messages, settings, desktop,
                          line->noSplash ? static_cast<Clock &>(noWait) : systemClock,
                          [](int code) { std::exit(code); }};
        TForm1 window(services, start);
        messages.setParent(&window);
        window.show();
        return QApplication::exec();
    } catch (const std::exception &e) {
        messages.error(QString::fromUtf8(e.what()));
    } catch (...) {
        messages.error(QString());
    }
    return 0;
}

} // namespace tw
