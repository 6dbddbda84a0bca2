// Runs a fuzz target's entry point once on every file of the seed folders
// named on the command line, so the seeds are checked by every test run,
// not only when someone fuzzes. A failing input aborts, as under libFuzzer.
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char *argv[]) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir seeds(QString::fromLocal8Bit(argv[i]));
        for (const QString &name : seeds.entryList(QDir::Files, QDir::Name)) {
            QFile seed(seeds.filePath(name));
            if (!seed.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(seed.fileName()));
                return 1;
            }
            const QByteArray bytes = seed.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                   static_cast<size_t>(bytes.size()));
            ++replayed;
        }
    }
    std::printf("%d seeds replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
