#include "app/program.h"
#include "app/version.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

using namespace tw;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void startOptions_data();
    void startOptions();
    void withoutWindowSystem_data();
    void withoutWindowSystem();
    void helpListsEveryOptionOnOneLine();

private:
    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Run run(const QStringList &arguments);
};

// The program as a user starts it in a login session without a window system: no display, no
// platform chosen. Qt warns on standard error when a session has no runtime directory.
CommandLineTest::Run CommandLineTest::run(const QStringList &arguments)
{
    QTemporaryDir config;
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    env.insert("XDG_CONFIG_HOME", config.path());
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TRACEWRIGHT_PROGRAM), arguments);
    Run result;
    // A window would keep the program running; every case here must end on its own.
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void CommandLineTest::startOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("noSplash");
    QTest::addColumn<int>("decimal"); // -1 locale, else DecimalMode
    QTest::newRow("nothing") << QStringList{} << false << -1;
    QTest::newRow("no splash") << QStringList{"--no-splash"} << true << -1;
    QTest::newRow("point with =") << QStringList{"--decimal=point"} << false
                                  << int(DecimalMode::Point);
    QTest::newRow("comma as next argument")
        << QStringList{"--decimal", "comma"} << false << int(DecimalMode::Comma);
    QTest::newRow("both, last decimal wins")
        << QStringList{"--decimal=point", "--no-splash", "--decimal=comma"} << true
        << int(DecimalMode::Comma);
}

void CommandLineTest::startOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, noSplash);
    QFETCH(int, decimal);
    const CommandLine line = parseCommandLine(QStringList{"tracewright"} + arguments);
    QCOMPARE(line.action, CommandLine::Action::Run);
    QCOMPARE(line.noSplash, noSplash);
    QCOMPARE(line.decimalMode.has_value(), decimal >= 0);
    if (decimal >= 0)
        QCOMPARE(int(*line.decimalMode), decimal);
}

void CommandLineTest::withoutWindowSystem_data()
{
    const QString hint = "\nTry 'tracewright --help' for more information.\n";
    const QString version = QStringLiteral("Tracewright %1\n").arg(QLatin1String(programVersion));
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("--version") << QStringList{"--version"} << 0 << version << "";
    QTest::newRow("-v") << QStringList{"-v"} << 0 << version << "";
    QTest::newRow("toolkit option passed through")
        << QStringList{"-platform", "offscreen", "--version"} << 0 << version << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << ""
                                    << "tracewright: Unknown option 'frobnicate'." + hint;
    QTest::newRow("single dash") << QStringList{"-nosplash"} << 2 << ""
                                 << "tracewright: Unknown option 'nosplash'." + hint;
    QTest::newRow("unknown option after a good one")
        << QStringList{"--no-splash", "--units=metric"} << 2 << ""
        << "tracewright: Unknown option 'units'." + hint;
    QTest::newRow("bad decimal") << QStringList{"--decimal=dot"} << 2 << ""
                                 << "tracewright: Invalid value 'dot' for --decimal: use point or "
                                    "comma." +
                                        hint;
    QTest::newRow("decimal in capitals") << QStringList{"--decimal", "COMMA"} << 2 << ""
                                         << "tracewright: Invalid value 'COMMA' for --decimal: "
                                            "use point or comma." +
                                                hint;
    QTest::newRow("decimal without value")
        << QStringList{"--decimal"} << 2 << ""
        << "tracewright: Missing value after '--decimal'." + hint;
    QTest::newRow("stray argument") << QStringList{"--no-splash", "board.txt"} << 2 << ""
                                    << "tracewright: Unexpected argument 'board.txt'." + hint;
    QTest::newRow("start with no display")
        << QStringList{"--no-splash"} << 1 << ""
        << "tracewright: no window system: neither DISPLAY nor WAYLAND_DISPLAY is set.\n"
           "Set QT_QPA_PLATFORM=offscreen to run without one.\n";
}

void CommandLineTest::withoutWindowSystem()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run r = run(arguments);
    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE(r.out, out);
    QCOMPARE(r.err, err);
}

void CommandLineTest::helpListsEveryOptionOnOneLine()
{
    const Run r = run({"--help"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, "");
    QVERIFY2(r.out.startsWith("Usage: "), qPrintable(r.out));
    const QStringList lines = r.out.split('\n');
    const qsizetype first = lines.indexOf("Options:") + 1;
    QVERIFY(first > 0);
    QStringList options;
    for (qsizetype i = first; i < lines.size() && !lines[i].isEmpty(); ++i)
        options << lines[i].simplified();
    QCOMPARE(options.size(), 7);
    const QStringList starts{
        "-h, --help ",     "-v, --version ", "--no-splash ",        "--decimal <point|comma> ",
        "--batch <file> ", "--list ",        "--format <json|csv> "};
    for (qsizetype i = 0; i < starts.size(); ++i)
        QVERIFY2(options[i].startsWith(starts[i]), qPrintable(options[i]));
    QCOMPARE(run({"-h"}).out, r.out);
}

QTEST_MAIN(CommandLineTest)
#include "tst_command_line.moc"
