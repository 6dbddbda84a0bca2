// The round trip a learner waits for: from Comp (the click on 编译+运行) to
// the program's first statement, through xterm and the real JDK, against
// typing `javac Hello.java && java Hello` by hand. The two alternate, and the
// ratio of the medians is printed: with the program's javac server ready,
// with javac started from its archive, and cold (no archive). Without a display it
// restarts itself under xvfb-run. Usage: bench_roundtrip [runs]

#include "build/comp.h"
#include "build/javac_server.h"
#include "console_driver.h"
#include "launcher/terminal.h"
#include "platform/shell_quote.h"
#include "test_files.h"
#include "wait_for.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <unistd.h>
#include <vector>

using qm::build::JavacServer;

namespace {

qint64 nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The first statement notes the time; the stamp is renamed into place whole.
QString stampingProgram(const QString &stamp) {
    return QStringLiteral(
               "import java.nio.file.*;\n"
               "public class Hello {\n"
               "    public static void main(String[] args) throws Exception {\n"
               "        java.time.Instant now = java.time.Instant.now();\n"
               "        Path part = Path.of(\"%1.part\");\n"
               "        Files.writeString(part, now.getEpochSecond() + String.format(\"%09d\", "
               "now.getNano()));\n"
               "        Files.move(part, Path.of(\"%1\"), StandardCopyOption.ATOMIC_MOVE);\n"
               "        System.out.println(\"你好\");\n"
               "    }\n"
               "}\n")
        .arg(stamp);
}

class RoundTrip {
public:
    RoundTrip() : stamp(home.filePath("stamp")), handDir(home.filePath("by-hand")) {
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
        qputenv("XDG_CACHE_HOME", home.filePath("cache").toUtf8());
        // xterm as the launcher starts it when it is the terminal found.
        const QStringList xterm =
            QStringList{"xterm"} + qm::terminalOptions("xterm", qm::TerminalWindow{"Hello"});
        QStringList quoted;
        for (const QString &word : xterm)
            quoted << qm::shellQuote(word);
        qm::testing::writeBytes(qm::terminalConfPath(), quoted.join(' ').toUtf8() + "\n");
        QDir().mkpath(handDir);
        qm::testing::writeBytes(handDir + "/Hello.java", stampingProgram(stamp).toUtf8());
    }

    // Seconds from Comp to the first statement; the console is answered then.
    double viaComp() {
        QFile::remove(stamp);
        ConsoleDriver driver([&] { return QFile::exists(stamp); }, nullptr);
        const qint64 start = nowNs();
        qm::build::Comp({"~/MyJava", stampingProgram(stamp), "Hello"}, nullptr);
        return elapsedTo(start);
    }

    double byHand() {
        QFile::remove(stamp);
        QProcess shell;
        shell.setWorkingDirectory(handDir);
        shell.setStandardOutputFile(QProcess::nullDevice());
        const qint64 start = nowNs();
        shell.start("/bin/sh", {"-c", "javac Hello.java && java Hello"});
        shell.waitForFinished(60000);
        return elapsedTo(start);
    }

    // Removes every archive; returns once a build made a new one and its job ended.
    void removeArchive() { QDir(cache()).removeRecursively(); }
    bool waitForArchive() {
        return qm::testing::waitFor(
            [&] {
                const QDir dir(cache());
                return !dir.entryList({"javac-*.jsa"}, QDir::Files).isEmpty() &&
                       dir.entryList({".javac-*"}, QDir::Dirs | QDir::Hidden).isEmpty();
            },
            std::chrono::seconds(60));
    }

private:
    QString cache() const { return home.filePath("cache/quillmoss-java"); }
    double elapsedTo(qint64 start) const {
        const qint64 end = qm::testing::fileBytes(stamp).toLongLong();
        return end > start ? double(end - start) / 1e9 : -1;
    }

    QTemporaryDir home;
    QString stamp;
    QString handDir;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

enum class Start {
    WarmJavac, // the program's javac server is ready
    Archive,   // javac starts, from its archive (the first build of a session)
    Cold,      // javac starts without an archive (the very first build)
};

// Alternates, starting with the other one each time, so a drift in the
// machine's load touches both alike. A server the build starts afterwards
// is stopped at once where it must not be there.
void measure(RoundTrip &trip, int runs, Start start) {
    JavacServer *const server = JavacServer::instance();
    std::vector<double> comp, hand;
    for (int i = 0; i < runs; ++i) {
        const auto viaComp = [&] {
            if (start == Start::Cold)
                trip.removeArchive();
            comp.push_back(trip.viaComp());
            if (start != Start::WarmJavac)
                server->stop();
            if (start == Start::Cold)
                trip.waitForArchive(); // its job must not run beside the next timing
        };
        if (i % 2) {
            viaComp();
            hand.push_back(trip.byHand());
        } else {
            hand.push_back(trip.byHand());
            viaComp();
        }
    }
    const double c = median(comp), h = median(hand);
    const char *names[] = {"warm javac server", "javac from its archive", "cold (no archive)"};
    std::printf("%s: Comp -> first statement %.3f s, by hand %.3f s, ratio %.2f (median of %d)\n",
                names[int(start)], c, h, c / h, runs);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && !qEnvironmentVariableIsSet("QM_RESTARTED")) {
        qputenv("QM_RESTARTED", "1");
        std::vector<char *> args{const_cast<char *>("xvfb-run"), const_cast<char *>("-a")};
        args.insert(args.end(), argv, argv + argc);
        args.push_back(nullptr);
        execvp("xvfb-run", args.data());
    }
    QCoreApplication app(argc, argv);
    for (const char *tool : {"javac", "java", "xterm", "xdotool"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            std::printf("bench_roundtrip: %s is not installed; skipped\n", tool);
            return 0;
        }
    }
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    RoundTrip trip;
    trip.viaComp(); // the first build makes the archive
    if (!trip.waitForArchive()) {
        std::printf("bench_roundtrip: no archive was made\n");
        return 1;
    }
    if (!JavacServer::instance()->waitUntilReady(120000))
        std::printf("bench_roundtrip: the javac server did not start\n");
    else
        measure(trip, runs, Start::WarmJavac);
    JavacServer::instance()->stop();
    measure(trip, runs, Start::Archive);
    measure(trip, runs, Start::Cold);
    return 0;
}
