#pragma once
// javac kept warm: a JVM of this program's own that compiles for the console,
// so a build no longer waits for javac's JVM to start and compile its own
// code (most of a build). It is started once a build becomes likely (the
// editor's first change, which opening a file is too) at the lowest
// processor priority, so its warm-up never slows typing, and again after a
// build if it had gone. The console's script asks it through a named pipe
// once it is ready; until then, or when it is gone or silent, the script
// runs javac itself as before, never waiting for it. It ends with the program: it reads
// the program's end from its input, also when the program is killed. After
// a quarter of an hour without a build it ends too, so a program left open
// holds no JVM; the next build starts it again.

#include "build/javac_probe.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace qm::build {

class JavacServer : public QObject {
public:
    // The program's one, owned by the application; null without one.
    static JavacServer *instance();

    // Where the console finds it: empty unless it is ready and runs the
    // JDK of `setup`.
    WarmJavac address(const JavacSetup &setup) const;

    // Starts one for the JDK of `setup` unless one runs for it, or one has
    // failed to start for it, or the program is quitting; either way the
    // idle time starts again. Returns at once.
    void start(const JavacSetup &setup);

    // A build is likely soon: starts one for the javac on the search path,
    // after the current event (a keystroke) has been handled. Cheap when one
    // runs; looks for javac at most once in kRetryMilliseconds otherwise.
    void expectBuild();

    void stop();

    // The program is quitting (its main window has closed): stops the
    // server, and none starts from now on. Also when the application ends.
    void shutDown();

    // Removes the folders of servers whose program has ended (killed, say,
    // before it or the server could).
    static void removeStaleFolders();

    // For tests and benchmarks: waits, handling events, until it is ready.
    bool waitUntilReady(int milliseconds);

    ~JavacServer() override;

private:
    explicit JavacServer(QObject *parent);
    void processEnded();
    bool writeFiles() const;
    void readSaid();

    std::unique_ptr<QTemporaryDir> directory;
    QProcess process;
    QTimer idle;
    QString jdk;
    QString failedJdk;
    QElapsedTimer lastExpected;
    bool ready = false;
    bool quitting = false;
};

} // namespace qm::build
