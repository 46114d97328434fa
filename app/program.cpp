#include "app/program.h"

#include "app/batch.h"

#include "app/settings/settings_store.h"
#include "app/version.h"
#include "ui/messages.h"
#include "ui/platform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

namespace tw {

namespace {

QString programName(const QStringList &arguments)
{
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("tracewright") : name;
}

CommandLine failure(const QStringList &arguments, const QString &reason)
{
    CommandLine line;
    line.action = CommandLine::Action::Error;
    const QString name = programName(arguments);
    line.text = QStringLiteral("%1: %2\nTry '%1 --help' for more information.").arg(name, reason);
    return line;
}

// Qt chooses its window-system plugin when the application object is made, and without a display
// it aborts there, before --help or --version could answer. With no display and no platform
// asked for, the offscreen plugin is chosen instead; true when that happened.
bool chooseOffscreenWithoutDisplay(int argc, char **argv)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return false;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

// The batch front end and its listing: output on standard output, refusals on standard error.
int runFrontEnd(const CommandLine &line)
{
    BatchRun run;
    if (line.action == CommandLine::Action::List) {
        run = listCalculators(line.argument);
    } else {
        QFile file(line.argument);
        const bool opened = line.argument == QStringLiteral("-")
                                ? file.open(stdin, QIODevice::ReadOnly)
                                : file.open(QIODevice::ReadOnly);
        if (!opened) {
            std::fprintf(stderr, "%s: cannot read '%s': %s\n",
                         qPrintable(programName(QApplication::arguments())),
                         qPrintable(line.argument), qPrintable(file.errorString()));
            return 2;
        }
        run = runBatch(file.readAll(), line.csv ? BatchFormat::Csv : BatchFormat::Json,
                       [](const QByteArray &text) {
                           std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()),
                                       stdout);
                       });
    }
    std::fwrite(run.output.constData(), 1, static_cast<std::size_t>(run.output.size()), stdout);
    if (!run.errors.isEmpty())
        std::fprintf(stderr, "%s: %s\n", qPrintable(programName(QApplication::arguments())),
                     qPrintable(run.errors));
    return run.exitCode;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Engineering calculator for printed-circuit-board designers."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Prints these options and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Prints the version and exits."));
    const QCommandLineOption noSplash(QStringLiteral("no-splash"),
                                      QStringLiteral("Starts without waiting at the splash."));
    const QCommandLineOption decimal(QStringLiteral("decimal"),
                                     QStringLiteral("Decimal separator instead of the locale's."),
                                     QStringLiteral("point|comma"));
    const QCommandLineOption batch(
        QStringLiteral("batch"),
        QStringLiteral("Runs the JSON cases of a file (- standard input)."),
        QStringLiteral("file"));
    const QCommandLineOption list(QStringLiteral("list"),
                                  QStringLiteral("Lists the calculators, or one named after it."));
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("Batch output: one JSON object per case, or "
                                                   "CSV."),
                                    QStringLiteral("json|csv"));
    parser.addOptions({help, version, noSplash, decimal, batch, list, format});
    // Like Qt's own options (-platform, -style), a single dash also starts a long option: a
    // mistyped -nosplash is then reported as one unknown option, not as eight unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    if (!parser.parse(arguments))
        return failure(arguments, parser.errorText());
    const bool listing = parser.isSet(list);
    if (parser.positionalArguments().size() > (listing ? 1 : 0))
        return failure(
            arguments,
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().last()));

    CommandLine line;
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
        line.text = parser.helpText();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
        line.text = QStringLiteral("Tracewright %1\n").arg(QLatin1String(programVersion));
        return line;
    }
    if (parser.isSet(format)) {
        const QString value = parser.value(format);
        if (!parser.isSet(batch))
            return failure(arguments, QStringLiteral("--format applies to --batch only."));
        if (value != QStringLiteral("json") && value != QStringLiteral("csv"))
            return failure(
                arguments,
                QStringLiteral("Invalid value '%1' for --format: use json or csv.").arg(value));
        line.csv = value == QStringLiteral("csv");
    }
    if (parser.isSet(batch)) {
        line.action = CommandLine::Action::Batch;
        line.argument = parser.value(batch);
        return line;
    }
    if (listing) {
        line.action = CommandLine::Action::List;
        line.argument = parser.positionalArguments().value(0);
        return line;
    }
    line.noSplash = parser.isSet(noSplash);
    if (parser.isSet(decimal)) {
        const QString value = parser.value(decimal);
        if (value == QStringLiteral("point"))
            line.decimalMode = DecimalMode::Point;
        else if (value == QStringLiteral("comma"))
            line.decimalMode = DecimalMode::Comma;
        else
            return failure(
                arguments,
                QStringLiteral("Invalid value '%1' for --decimal: use point or comma.").arg(value));
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
    const bool noDisplay = chooseOffscreenWithoutDisplay(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Korvane Toolkit");
    QApplication::setApplicationVersion(QLatin1String(programVersion));
    QGuiApplication::setDesktopFileName(QLatin1String(desktopId));

    const CommandLine line = parseCommandLine(QApplication::arguments());
    switch (line.action) {
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        std::fputs(qPrintable(line.text), stdout);
        return 0;
    case CommandLine::Action::Error:
        std::fprintf(stderr, "%s\n", qPrintable(line.text));
        return 2;
    case CommandLine::Action::Batch:
    case CommandLine::Action::List:
        return runFrontEnd(line);
    case CommandLine::Action::Run:
        break;
    }
    if (noDisplay) {
        std::fprintf(stderr,
                     "%s: no window system: neither DISPLAY nor WAYLAND_DISPLAY is set.\n"
                     "Set QT_QPA_PLATFORM=offscreen to run without one.\n",
                     qPrintable(programName(QApplication::arguments())));
        return 1;
    }

    BoxMessages messages;
    try {
        NativeSettingsStore settings;
        SystemDesktop desktop;
        SystemClock systemClock;
        NoWaitClock noWait;
        StartOptions start{line.noSplash, decidedDecimalMode(line)};
        Services services{messages, settings, desktop,
                          line.noSplash ? static_cast<Clock &>(noWait) : systemClock,
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
