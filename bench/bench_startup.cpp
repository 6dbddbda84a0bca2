// Start-up: from starting the program to its window being mapped, against a
// bare Qt window holding a QScintilla editor and a Chinese label, started the
// same way. They alternate; the medians and their ratios are printed: for a
// later start (the settings of an earlier one in place) and for the first
// start (a fresh home: settings written). Without a display it restarts
// itself under xvfb-run.
// Usage: bench_startup [runs]

#include "test_files.h"
#include "under_display.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <Qsci/qsciscintilla.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

int bareWindow(int argc, char **argv) {
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("QuillmossJava编译器 编辑区")));
    layout->addWidget(new QsciScintilla);
    window.resize(500, 700);
    window.show();
    return QApplication::exec();
}

// Seconds from the start of `program` to the map of its first top-level
// window, seen as the X server reports it.
double secondsToMap(const QString &program, const QStringList &arguments,
                    const QString &homePath = {}) {
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
    QTemporaryDir fresh;
    const QDir home(homePath.isEmpty() ? fresh.path() : homePath);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_CACHE_HOME", home.filePath("cache"));
    process.setProcessEnvironment(environment);
    const auto start = std::chrono::steady_clock::now();
    process.start(program, arguments);
    double seconds = -1;
    while (xcb_generic_event_t *event = xcb_wait_for_event(x)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        free(event);
        if (mapped) {
            seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            break;
        }
    }
    xcb_disconnect(x);
    process.kill();
    process.waitForFinished(5000);
    return seconds;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv) {
    if (argc > 1 && QByteArray(argv[1]) == "--bare")
        return bareWindow(argc, argv);
    qm::bench::ensureDisplay(argc, argv);
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const QString self = QCoreApplication::applicationFilePath();
    const QString program = QStringLiteral(QM_PROGRAM);
    QTemporaryDir kept;                     // the later starts' home
    secondsToMap(program, {}, kept.path()); // its settings; files in the page cache
    secondsToMap(self, {"--bare"});
    std::vector<double> later, first, bare;
    for (int i = 0; i < runs; ++i) {
        const auto programRuns = [&] {
            later.push_back(secondsToMap(program, {}, kept.path()));
            first.push_back(secondsToMap(program, {}));
        };
        if (i % 2) {
            programRuns();
            bare.push_back(secondsToMap(self, {"--bare"}));
        } else {
            bare.push_back(secondsToMap(self, {"--bare"}));
            programRuns();
        }
    }
    const double b = median(bare), l = median(later), f = median(first);
    std::printf("start-up to a mapped window (median of %d): bare window %.3f s; program, later "
                "start %.3f s, ratio %.2f; first start %.3f s, ratio %.2f\n",
                runs, b, l, l / b, f, f / b);
    return 0;
}
