// Prints, for every calculator that is built, the median and 95th-percentile time of one
// recalculation (Button1Click) in the real window, offscreen, after a warm-up; and the time
// from the start of the process to the first finished recalculation of a start without splash.

#include "app/main_window.h"
#include "app/settings/settings_store.h"
#include "ui/messages.h"
#include "ui/platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

class CountingMessages final : public tw::Messages {
public:
    void information(const QString &) override { ++count; }
    bool question(const QString &, const QString &) override
    {
        ++count;
        return false;
    }
    void error(const QString &) override { ++count; }
    int count = 0;
};

double percentile(std::vector<double> samples, double p)
{
    std::sort(samples.begin(), samples.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[at];
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(10, std::atoi(argv[1])) : 5000;

    QTemporaryDir dir;
    tw::NativeSettingsStore settings(dir.filePath("settings.ini"));
    CountingMessages messages;
    tw::SystemDesktop desktop;
    tw::NoWaitClock clock;
    tw::Services services{messages, settings, desktop, clock, [](int) {}};
    tw::TForm1 window(services, tw::StartOptions{true, tw::DecimalMode::Point});
    window.Button3Click();
    const double startMs = static_cast<double>(sinceStart.nsecsElapsed()) / 1e6;
    std::printf("start to first recalculation (--no-splash): %.1f ms\n", startMs);
    std::printf("%-34s %12s %12s %8s\n", "calculator", "median us", "p95 us", "runs");

    for (int index = 0; index < 20; ++index) {
        if (dynamic_cast<tw::EmptyCalculator *>(&window.calculator(index)))
            continue;
        window.configureCalculator(index);
        for (int i = 0; i < 200; ++i)
            window.Button1Click();
        const int before = messages.count;
        std::vector<double> samples;
        samples.reserve(static_cast<std::size_t>(runs));
        for (int i = 0; i < runs; ++i) {
            const auto t0 = std::chrono::steady_clock::now();
            window.Button1Click();
            const auto t1 = std::chrono::steady_clock::now();
            samples.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        }
        const QString name = window.calculator(index).groupBox()->title().trimmed();
        std::printf("%2d %-31s %12.2f %12.2f %8d%s\n", index, qPrintable(name),
                    percentile(samples, 0.5), percentile(samples, 0.95), runs,
                    messages.count != before ? "  (messages were shown)" : "");
    }
    return 0;
}
