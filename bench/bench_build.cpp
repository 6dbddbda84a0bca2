// "编译+运行": from calling Comp to the console's script starting javac, with
// xterm. Needs an X display (run it under xvfb-run); it reports a skip
// otherwise. A stand-in javac notes the time and ends the script at once, so
// no JDK start-up is measured and no key press is needed.

#include "build/comp.h"
#include "platform/platform.h"
#include "test_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

qint64 nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The stamp is written under another name first so it is never read half-written.
void writeStampingJavac(const QString &bin, const QString &stamp) {
    qm::testing::writeExecutable(bin + "/javac", "date +%s%N > '" + stamp.toUtf8() +
                                                     ".part'\nmv '" + stamp.toUtf8() + ".part' '" +
                                                     stamp.toUtf8() + "'\nkill -KILL $PPID");
}

qint64 readStamp(const QString &stamp) {
    QFile file(stamp);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toLongLong() : 0;
}

// Argument 1: xterm named in Terminal.conf; 0: the terminal the launcher
// finds by itself (x-terminal-emulator first, a wrapper script on Debian).
void BM_CompToJavacStart(benchmark::State &state) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") ||
        QStandardPaths::findExecutable("xterm").isEmpty()) {
        state.SkipWithError("needs xterm and an X display (run under xvfb-run)");
        return;
    }
    QTemporaryDir home;
    const QString bin = home.filePath("bin");
    const QString stamp = home.filePath("stamp");
    QDir().mkpath(bin);
    writeStampingJavac(bin, stamp);
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    qputenv("PATH", bin.toUtf8() + ":" + qgetenv("PATH"));
    if (state.range(0) == 1) {
        QFile conf(qm::platform::joinPath(qm::platform::programDirectory(), "Terminal.conf"));
        conf.open(QIODevice::WriteOnly);
        conf.write("xterm -T Tamsorley.sh -e\n");
    }

    const qm::build::BuildRequest request{"~/MyJava", "public class Hello {}\n", "Hello"};
    for (auto _ : state) {
        QFile::remove(stamp);
        const qint64 start = nowNs();
        qm::build::Comp(request, nullptr);
        const qint64 javacStarted = readStamp(stamp);
        if (javacStarted == 0) {
            state.SkipWithError("the script never reached javac");
            return;
        }
        state.SetIterationTime(double(javacStarted - start) / 1e9);
    }
}

BENCHMARK(BM_CompToJavacStart)
    ->ArgName("xterm")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
