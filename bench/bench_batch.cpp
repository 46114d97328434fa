// Batch throughput: for every calculator, N cases (100,000 unless given) that sweep its first
// number box are written to a file and run through `tracewright --batch FILE`, as a user runs
// them. Prints the cases per CPU-second of the whole run, start-up included, and the CPU time
// of a run of one case (the start-up alone). CPU time, not wall time: a busy machine stretches
// the one, not the other.
//
//   bench/tracewright_bench_batch [cases] [path/to/tracewright]

#include "app/batch_window.h"
#include "app/calculator_table.h"
#include "ui/calculator.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The CPU seconds (user and system) of one run of the program, or a negative number.
double cpuSecondsOf(const QString &program, const QString &file)
{
    const QByteArray path = program.toLocal8Bit();
    const QByteArray input = file.toLocal8Bit();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(path.constData(), path.constData(), "--batch", input.constData(),
              static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    pid_t waited = -1;
    do
        waited = child < 0 ? -1 : wait4(child, &status, 0, &usage);
    while (waited < 0 && errno == EINTR);
    if (waited != child || !WIFEXITED(status) || WEXITSTATUS(status) > 1) {
        std::fprintf(stderr, "%s: %s\n", input.constData(),
                     waited != child     ? std::strerror(errno)
                     : WIFEXITED(status) ? "exit status above 1"
                                         : "ended by a signal");
        return -1;
    }
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const QString program =
        argc > 2 ? QString::fromLocal8Bit(argv[2])
                 : QDir(QCoreApplication::applicationDirPath()).filePath("../tracewright");
    QTemporaryDir dir;
    if (count <= 0 || !dir.isValid() || !QFile::exists(program)) {
        std::fprintf(stderr, "usage: %s [cases] [path/to/tracewright]\n", argv[0]);
        return 2;
    }

    std::printf("%-34s %9s %10s %14s %12s\n", "calculator", "cases", "CPU s", "cases/CPU-s",
                "start-up s");
    tw::BatchWindow window;
    for (const tw::CalculatorRow &row : tw::calculatorTable()) {
        // The first number box of the calculator, swept from 0.8 to 1.2 times its default.
        window.begin(row.index);
        QString key;
        double start = 0;
        for (const tw::BatchEntry &entry : window.entries(row.index))
            if (key.isEmpty() && entry.open() && qobject_cast<QLineEdit *>(entry.widget) &&
                entry.within == window.window().calculator(row.index).groupBox() &&
                tw::textOf(entry.widget).toDouble() > 0) {
                key = entry.widget->objectName();
                start = tw::textOf(entry.widget).toDouble();
            }
        QFile cases(dir.filePath(QStringLiteral("cases-%1.jsonl").arg(row.index)));
        QFile one(dir.filePath(QStringLiteral("one-%1.jsonl").arg(row.index)));
        if (!cases.open(QIODevice::WriteOnly) || !one.open(QIODevice::WriteOnly))
            return 1;
        for (int i = 0; i < count; ++i) {
            QJsonObject line{{"calculator", row.index}};
            if (!key.isEmpty())
                line.insert("inputs", QJsonObject{{key, start * (0.8 + 0.4 * (i % 101) / 100)}});
            const QByteArray text = QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
            cases.write(text);
            if (i == 0)
                one.write(text);
        }
        cases.close();
        one.close();
        const double all = cpuSecondsOf(program, cases.fileName());
        const double startUp = cpuSecondsOf(program, one.fileName());
        if (all <= 0 || startUp < 0) {
            std::fprintf(stderr, "%s: the batch run failed\n", row.tabCaption);
            return 1;
        }
        std::printf("%-34s %9d %10.2f %14.0f %12.3f\n",
                    QString::fromUtf8(row.tabCaption).replace("&&", "&").toUtf8().constData(),
                    count, all, count / all, startUp);
        std::fflush(stdout);
    }
    return 0;
}
