// The round trip a learner waits for: from Comp (the click on 编译+运行) to
// the program's first statement, through xterm and the real JDK, against
// typing `javac Hello.java && java Hello` by hand. The two alternate, and the
// ratio of the medians is printed: with the program's javac server ready,
// with javac started from its archive, the first build of a session (text
// pasted into a freshly started program, a few seconds of reading, then the
// click), and cold (no archive). Beside each, its parts, each timed on its
// own: the terminal's start (xterm to its command's first line), javac (as
// the case runs it), the program's JVM start to its first statement, and the
// rest (launcher, wrapper, script). Without a display it restarts itself
// under xvfb-run. Usage: bench_roundtrip [runs]

#include "build/build_script.h"
#include "build/comp.h"
#include "build/javac_archive.h"
#include "build/javac_server.h"
#include "console_driver.h"
#include "launcher/terminal.h"
#include "platform/platform.h"
#include "platform/shell_quote.h"
#include "test_files.h"
#include "under_display.h"
#include "wait_for.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
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

// How javac runs in a case.
enum class Start {
    WarmJavac,      // the program's javac server is ready
    Archive,        // javac starts, from its archive
    FirstOfSession, // the server was started by the paste, a few seconds before the click
    Cold,           // javac starts without an archive (the very first build)
};

// A learner reads what they pasted for this long before the click.
constexpr int kReadingMilliseconds = 3000;

class RoundTrip {
public:
    RoundTrip() : stamp(home.filePath("stamp")), handDir(home.filePath("by-hand")) {
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
        qputenv("XDG_CACHE_HOME", home.filePath("cache").toUtf8());
        // xterm as the launcher starts it when it is the terminal found.
        xterm = QStringList{"xterm"} + qm::terminalOptions("xterm", qm::TerminalWindow{"Hello"});
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

    // The parts, each on its own. The terminal: xterm started as the
    // launcher starts it, to its command's first line.
    double terminalStart() {
        QFile::remove(stamp);
        QProcess terminal;
        const qint64 start = nowNs();
        terminal.start(xterm.first(), xterm.mid(1)
                                          << "/bin/sh"
                                          << "-c"
                                          << "date +%s%N > " + qm::shellQuote(stamp + ".part") +
                                                 " && mv " + qm::shellQuote(stamp + ".part") + " " +
                                                 qm::shellQuote(stamp));
        qm::testing::waitFor([&] { return QFile::exists(stamp); }, std::chrono::seconds(20));
        terminal.waitForFinished(10000);
        return elapsedTo(start);
    }

    // javac as the case runs it, compiling the learner's program.
    double javac(Start start) {
        const qm::build::JavacSetup setup = qm::build::probeJavac(cache());
        const qm::build::WarmJavac warm = JavacServer::instance()->address(setup);
        if (start != Start::Archive && start != Start::Cold && warm.pid != 0)
            return throughServer(warm);
        QStringList arguments = qm::build::quickJavacFlags();
        if (start != Start::Cold && !setup.archive.isEmpty())
            arguments << "-J-XX:SharedArchiveFile=" + setup.archive << "-J-Xlog:cds=off"
                      << "-J-Xlog:cds+dynamic=off";
        arguments << "-proc:none"
                  << "-encoding"
                  << "UTF-8"
                  << "-d" << home.filePath("parts") << handDir + "/Hello.java";
        QProcess javac;
        QElapsedTimer took;
        took.start();
        javac.start("javac", arguments);
        javac.waitForFinished(60000);
        return double(took.nsecsElapsed()) / 1e9;
    }

    // The learner's program, compiled by hand before: java's start to its
    // first statement.
    double jvmStart() {
        QFile::remove(stamp);
        QProcess java;
        java.setWorkingDirectory(handDir);
        java.setStandardOutputFile(QProcess::nullDevice());
        const qint64 start = nowNs();
        java.start("java", {"-cp", handDir, "Hello"});
        java.waitForFinished(60000);
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
            std::chrono::seconds(120));
    }
    QString cache() const { return home.filePath("cache/quillmoss-java"); }

private:
    double elapsedTo(qint64 start) const {
        const qint64 end = qm::testing::fileBytes(stamp).toLongLong();
        return end > start ? double(end - start) / 1e9 : -1;
    }

    // A request as the console's script writes it, and its answer.
    double throughServer(const qm::build::WarmJavac &warm) {
        const QByteArray reply = (warm.directory + "/reply-bench").toUtf8();
        ::unlink(reply.constData());
        ::mkfifo(reply.constData(), 0600);
        const int answer = ::open(reply.constData(), O_RDWR);
        QByteArray request;
        for (const QString &field : {QString(reply), handDir, QString("Hello.java"),
                                     home.filePath("parts"), QString("."), QString()})
            request += field.toUtf8() + '\0';
        QElapsedTimer took;
        took.start();
        const int requests = ::open((warm.directory + "/requests").toUtf8().constData(), O_RDWR);
        const bool sent = ::write(requests, request.constData(), size_t(request.size())) > 0;
        char status[16];
        const bool answered = sent && ::read(answer, status, sizeof status) > 0;
        const double seconds = double(took.nsecsElapsed()) / 1e9;
        ::close(requests);
        ::close(answer);
        ::unlink(reply.constData());
        return answered ? seconds : -1;
    }

    QTemporaryDir home;
    QString stamp;
    QString handDir;
    QStringList xterm;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// What a freshly started program does once text is pasted: the window asks
// for the warm javac; then the learner reads for a while.
void pasteAndRead() {
    JavacServer::instance()->expectBuild();
    QEventLoop reading;
    QTimer::singleShot(kReadingMilliseconds, &reading, &QEventLoop::quit);
    reading.exec();
}

struct Timings {
    std::vector<double> comp, hand, terminal, javac, jvm;
    int served = 0; // builds the warm javac answered
};

// One build of the case, and its parts.
void measureOnce(RoundTrip &trip, Start start, Timings &t) {
    JavacServer *const server = JavacServer::instance();
    if (start == Start::Cold)
        trip.removeArchive();
    if (start == Start::FirstOfSession)
        pasteAndRead();
    const qm::build::JavacSetup setup = qm::build::probeJavac(trip.cache());
    t.served += server->address(setup).pid != 0 && start != Start::Archive;
    t.comp.push_back(trip.viaComp());
    // The parts, in the state the build found; nothing else runs beside them.
    if (start == Start::FirstOfSession)
        t.javac.push_back(trip.javac(start));
    if (start != Start::WarmJavac)
        server->stop();
    if (start == Start::Cold)
        trip.waitForArchive(); // the build had it made again
    if (start != Start::FirstOfSession)
        t.javac.push_back(trip.javac(start));
    t.terminal.push_back(trip.terminalStart());
    t.jvm.push_back(trip.jvmStart());
}

// Alternates, starting with the other one each time, so a drift in the
// machine's load touches both alike. A server the build starts afterwards
// is stopped at once where it must not be there.
void measure(RoundTrip &trip, int runs, Start start) {
    Timings t;
    for (int i = 0; i < runs; ++i) {
        if (i % 2) {
            measureOnce(trip, start, t);
            t.hand.push_back(trip.byHand());
        } else {
            t.hand.push_back(trip.byHand());
            measureOnce(trip, start, t);
        }
    }
    const double c = median(t.comp), h = median(t.hand);
    const double terminal = median(t.terminal), javac = median(t.javac), jvm = median(t.jvm);
    const char *names[] = {"warm javac server", "javac from its archive",
                           "first build of a session", "cold (no archive)"};
    std::printf("%s: Comp -> first statement %.3f s, by hand %.3f s, ratio %.2f (median of %d)\n"
                "    parts: terminal %.3f s, javac %.3f s (warm javac answered %d of %d), "
                "JVM start to first statement %.3f s, launcher and script %.3f s\n",
                names[int(start)], c, h, c / h, runs, terminal, javac, t.served, runs, jvm,
                c - terminal - javac - jvm);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv) {
    qm::bench::ensureDisplay(argc, argv);
    QCoreApplication app(argc, argv);
    for (const char *tool : {"javac", "java", "xterm", "xdotool"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            std::printf("bench_roundtrip: %s is not installed; skipped\n", tool);
            return 0;
        }
    }
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    RoundTrip trip;
    // As the program's first start does.
    qm::build::makeArchiveIfMissing(qm::platform::cacheDirectory());
    if (!trip.waitForArchive()) {
        std::printf("bench_roundtrip: no archive was made\n");
        return 1;
    }
    trip.byHand(); // javac's and java's files in the page cache
    JavacServer::instance()->start(qm::build::probeJavac(trip.cache()));
    if (!JavacServer::instance()->waitUntilReady(120000))
        std::printf("bench_roundtrip: the javac server did not start\n");
    else
        measure(trip, runs, Start::WarmJavac);
    JavacServer::instance()->stop();
    measure(trip, runs, Start::Archive);
    measure(trip, runs, Start::FirstOfSession);
    measure(trip, runs, Start::Cold);
    return 0;
}
