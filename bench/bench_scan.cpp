// The main-class scan runs on every keystroke over the whole editor text, as
// UTF-8, the way the editor holds it.
#include "workspace/class_scan.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kMiB = 1024 * 1024;
constexpr int kClassesPerMiB = 20000;

// 1 MiB of small classes, each with a comment that says "class" too, and the
// main class at the very end.
QString megabyteSource() {
    const QString tail = QStringLiteral("// entry class\r\npublic class Main {\r\n"
                                        "    public static void main(String[] args) {}\r\n}\r\n");
    const int units = kClassesPerMiB / 2 - 1;
    QStringList parts;
    qsizetype used = tail.size();
    for (int i = 0; i < units; ++i) {
        parts << QStringLiteral("// subclass %1 of Base\r\nclass Node%1 extends Base {\r\n"
                                "    int v;\r\n    int get() { return v; }\r\n")
                     .arg(i, 5, 10, QLatin1Char('0'));
        used += parts.last().size() + 3;
    }
    const qsizetype padding = (kMiB - used) / units;
    QString text;
    text.reserve(kMiB);
    for (const QString &part : parts)
        text += part + QString(padding, QLatin1Char(' ')) + QStringLiteral("}\r\n");
    text += QString(kMiB - text.size() - tail.size(), QLatin1Char(' '));
    text += tail;
    if (text.size() != kMiB || text.count(QStringLiteral("class")) != kClassesPerMiB)
        qFatal("benchmark source is not 1 MiB with %d classes", kClassesPerMiB);
    return text;
}

// 20,000 lines of ordinary code: a class every 40 lines, main in the last.
QString twentyThousandLines() {
    QString text;
    for (int line = 0; line < 20000; ++line) {
        if (line % 40 == 0)
            text += QStringLiteral("public class Part%1 {\r\n").arg(line / 40);
        else if (line == 19990)
            text += QStringLiteral("    public static void main(String[] args) {\r\n");
        else if (line % 40 == 39)
            text += QStringLiteral("}\r\n");
        else
            text += QStringLiteral("    int value%1 = compute(%1, \"text\") + 42;\r\n").arg(line);
    }
    return text;
}

const QByteArray &source() {
    static const QByteArray text = megabyteSource().toUtf8();
    return text;
}

void BM_Scan(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::scanMainClassUtf8(source()));
    state.SetBytesProcessed(state.iterations() * source().size());
}

// What reading plain text cost: find every "class" once.
void BM_SingleSweep(benchmark::State &state) {
    const QByteArray needle = "class";
    for (auto _ : state) {
        int count = 0;
        for (qsizetype at = source().indexOf(needle); at >= 0;
             at = source().indexOf(needle, at + 1))
            ++count;
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(state.iterations() * source().size());
}

void BM_ScanTwentyThousandLines(benchmark::State &state) {
    const QByteArray text = twentyThousandLines().toUtf8();
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::scanMainClassUtf8(text));
    state.counters["bytes"] = double(text.size());
}

} // namespace

BENCHMARK(BM_Scan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SingleSweep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanTwentyThousandLines)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
