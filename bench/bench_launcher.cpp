// What ShellAndWait costs around a script: the processor time of the waiting
// program while the script runs (percent of one core), the delay from the
// call to the script's first line, and from its last line to the call's
// return (medians). The
// console runs in xterm, or in a stand-in terminal that hands the command to
// the background and exits at once, as terminals with a server process do.
// Without a display the benchmark restarts itself under xvfb-run.
#include "launcher/shell_and_wait.h"
#include "launcher/terminal.h"
#include "process_cpu.h"
#include "test_files.h"
#include "under_display.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace {

// The benchmarks' argument: how the script is run.
enum Mode { kHidden = 0, kXterm = 1, kHandOff = 2 };

QTemporaryDir *work = nullptr;

using qm::testing::processCpuSeconds;

double nowSeconds() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

QString writeScript(const QString &name, const QByteArray &body) {
    QFile file(work->filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("#!/bin/bash\n" + body + "\n");
    return file.fileName();
}

// xterm through the alternative, or the hand-off terminal through Terminal.conf.
void useMode(int mode) {
    QFile::remove(qm::terminalConfPath());
    if (mode != kHandOff)
        return;
    const QString fake = work->filePath(QStringLiteral("hand-off-term"));
    qm::testing::writeExecutable(fake, R"(setsid "$@" </dev/null >/dev/null 2>&1 & exit 0)");
    qm::testing::writeBytes(qm::terminalConfPath(), fake.toUtf8() + "\n");
}

bool run(benchmark::State &state, const QString &script) {
    const int mode = static_cast<int>(state.range(0));
    return qm::ShellAndWait(script, mode == kHidden ? 0 : 1, 0);
}

double median(std::vector<double> samples) {
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Medians of the runs that started: a loaded Xvfb now and then refuses a
// terminal its display, which says nothing about the launcher.
void report(benchmark::State &state, const std::vector<double> &samples, int failed) {
    state.counters["median_ms"] = 1000.0 * median(samples);
    state.counters["failed"] = failed;
    if (samples.empty())
        state.SkipWithError("no run started");
}

double callCpuSeconds(benchmark::State &state, const QString &script, double &wall) {
    const double cpuBefore = processCpuSeconds();
    const double wallBefore = nowSeconds();
    if (!run(state, script))
        return -1;
    wall = nowSeconds() - wallBefore;
    return processCpuSeconds() - cpuBefore;
}

// The waiting alone: a 3 s script against a 0.1 s one, so that starting the
// console and ending it cancel out.
void BM_WaitCpu(benchmark::State &state) {
    useMode(static_cast<int>(state.range(0)));
    const QString longer = writeScript(QStringLiteral("wait.sh"), "sleep 3");
    const QString shorter = writeScript(QStringLiteral("short.sh"), "sleep 0.1");
    std::vector<double> percent;
    std::vector<double> overhead;
    int failed = 0;
    for (auto _ : state) {
        double wallLong = 0;
        double wallShort = 0;
        const double cpuLong = callCpuSeconds(state, longer, wallLong);
        const double cpuShort = callCpuSeconds(state, shorter, wallShort);
        if (cpuLong < 0 || cpuShort < 0) {
            ++failed;
            continue;
        }
        percent.push_back(100.0 * (cpuLong - cpuShort) / (wallLong - wallShort));
        overhead.push_back(cpuShort);
    }
    state.counters["cpu_percent_waiting"] = median(percent);
    state.counters["cpu_ms_per_call"] = 1000.0 * median(overhead);
    state.counters["failed"] = failed;
}

// Reads the time a script's line wrote; 0 when it did not run.
double stampIn(const QString &stamp) {
    QFile file(stamp);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toDouble() : 0;
}

void BM_FirstLineLatency(benchmark::State &state) {
    useMode(static_cast<int>(state.range(0)));
    const QString stamp = work->filePath(QStringLiteral("stamp"));
    const QString script =
        writeScript(QStringLiteral("first.sh"), "date +%s.%N > '" + stamp.toUtf8() + "'");
    std::vector<double> samples;
    int failed = 0;
    for (auto _ : state) {
        QFile::remove(stamp);
        const double called = nowSeconds();
        if (run(state, script) && stampIn(stamp) > 0)
            samples.push_back(stampIn(stamp) - called);
        else
            ++failed;
    }
    report(state, samples, failed);
}

// How soon the launcher notices the end: the last line writes the time and
// the script ends.
void BM_EndLatency(benchmark::State &state) {
    useMode(static_cast<int>(state.range(0)));
    const QString stamp = work->filePath(QStringLiteral("end-stamp"));
    const QString script = writeScript(QStringLiteral("last.sh"),
                                       "sleep 0.3; exec date +%s.%N > '" + stamp.toUtf8() + "'");
    std::vector<double> samples;
    int failed = 0;
    for (auto _ : state) {
        QFile::remove(stamp);
        if (run(state, script) && stampIn(stamp) > 0)
            samples.push_back(nowSeconds() - stampIn(stamp));
        else
            ++failed;
    }
    report(state, samples, failed);
}

// The same first line straight in xterm, without the launcher: what the
// terminal's own start-up costs.
void BM_XtermAloneLatency(benchmark::State &state) {
    const QString stamp = work->filePath(QStringLiteral("stamp"));
    const QString line = QStringLiteral("date +%s.%N > '") + stamp + QLatin1Char('\'');
    double total = 0;
    for (auto _ : state) {
        QFile::remove(stamp);
        const double called = nowSeconds();
        QProcess xterm;
        xterm.setProcessChannelMode(QProcess::ForwardedChannels);
        xterm.start(QStringLiteral("xterm"), {"-e", "/bin/sh", "-c", line});
        xterm.waitForFinished(10000);
        const double ran = stampIn(stamp);
        if (ran == 0)
            state.SkipWithError("xterm did not run the line");
        total += ran - called;
    }
    state.counters["latency_ms"] =
        benchmark::Counter(1000.0 * total, benchmark::Counter::kAvgIterations);
}

// Every launcher mode, as the benchmark's argument.
void everyMode(benchmark::internal::Benchmark *b) {
    b->ArgName("mode")->Arg(kHidden)->Arg(kXterm)->Arg(kHandOff);
}

BENCHMARK(BM_WaitCpu)->Apply(everyMode)->Iterations(3)->Unit(benchmark::kSecond);
BENCHMARK(BM_FirstLineLatency)->Apply(everyMode)->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EndLatency)->Apply(everyMode)->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XtermAloneLatency)->Iterations(10)->Unit(benchmark::kMillisecond);

// xterm itself, whatever this machine prefers, and settings of the run's own.
void useXterm() {
    const QString xterm = QStandardPaths::findExecutable(QStringLiteral("xterm"));
    const QString bin = work->filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    QFile::link(xterm, bin + QStringLiteral("/x-terminal-emulator"));
    qputenv("PATH", bin.toUtf8() + ':' + qgetenv("PATH"));
    qputenv("XDG_CONFIG_HOME", work->filePath(QStringLiteral("config")).toUtf8());
}

} // namespace

int main(int argc, char **argv) {
    qm::bench::ensureDisplay(argc, argv);
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    work = &dir;
    useXterm();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
