#include "build/archive_job.h"

#include "build/build_script.h"
#include "platform/shell_quote.h"

namespace qm::build {

namespace {

// Runs detached with $1 the JDK, $2 the cache directory, $3 the version.
QStringList jobFunctionLines() {
    QStringList lines{
        QStringLiteral("make_javac_archive() {"),
        QStringLiteral("  local flags=(") + quickJavacFlags().join(QLatin1Char(' ')) +
            QLatin1Char(')'),
        QStringLiteral("  local size"),
        // Work left by a job that was killed outright.
        QStringLiteral(
            "  find \"$2\" -maxdepth 1 -name '.javac-*' -mmin +1440 -exec rm -rf -- {} + "
            "2>/dev/null"),
        QStringLiteral("  mkdir -p -- \"$2\" && work=$(mktemp -d -- \"$2/.javac-$3-XXXXXX\") || "
                       "return"),
        // $work is global: the trap runs after the function has returned.
        QStringLiteral("  trap 'rm -rf -- \"$work\"' EXIT"),
        QStringLiteral("  printf '%s\\n' \\"),
    };
    for (const QString &line : archiveSampleLines())
        lines << QStringLiteral("    ") + shellQuote(line) + QStringLiteral(" \\");
    lines << QStringLiteral("    > \"$work/Sample.java\"")
          << QStringLiteral(
                 "  timeout 120 \"$1/bin/javac\" \"${flags[@]}\" "
                 "-J-XX:ArchiveClassesAtExit=\"$work/javac.jsa\" -encoding UTF-8 -d \"$work\" "
                 "\"$work/Sample.java\"")
          // Cut short (timeout, a signal): another build tries again.
          << QStringLiteral("  [ $? -lt 124 ] || return")
          << QStringLiteral("  if [ -f \"$work/javac.jsa\" ] && timeout 60 \"$1/bin/javac\" "
                            "\"${flags[@]}\" -J-Xshare:on -J-XX:+VerifySharedSpaces "
                            "-J-XX:SharedArchiveFile=\"$work/javac.jsa\" -version; then")
          << QStringLiteral("    size=$(stat -c %s -- \"$work/javac.jsa\") &&")
          << QStringLiteral("      mv -f -- \"$work/javac.jsa\" \"$2/javac-$3-$size.jsa\"")
          << QStringLiteral("  else") << QStringLiteral("    : > \"$2/javac-$3.failed\"")
          << QStringLiteral("  fi") << QStringLiteral("}");
    return lines;
}

} // namespace

QStringList javacSetupLines(const JavacSetup &setup) {
    QStringList lines{QStringLiteral("javac_flags=()"), QStringLiteral("archive_flags=()"),
                      QStringLiteral("archive=")};
    if (setup.jdk.isEmpty())
        return lines;
    // hash finds javac as the search path does, without a fork.
    lines << QStringLiteral("hash javac 2>/dev/null")
          << QStringLiteral("if [ \"${BASH_CMDS[javac]}\" = ") + shellQuote(setup.javac) +
                 QStringLiteral(" ]; then")
          << QStringLiteral("  same_javac=yes")
          << QStringLiteral("  javac_flags=(") + quickJavacFlags().join(QLatin1Char(' ')) +
                 QLatin1Char(')');
    if (!setup.archive.isEmpty()) {
        lines << QStringLiteral("  archive=") + shellQuote(setup.archive)
              << QStringLiteral("  [ -f \"$archive\" ] && archive_flags=("
                                "-J-XX:SharedArchiveFile=\"$archive\" -J-XX:+VerifySharedSpaces "
                                "-J-Xlog:cds=off -J-Xlog:cds+dynamic=off "
                                "-J-XX:+SuppressFatalErrorMessage)");
    }
    lines << QStringLiteral("fi");
    return lines;
}

QStringList archiveStartLines(const JavacSetup &setup) {
    if (!setup.makeArchive || setup.cacheDirectory.isEmpty())
        return {};
    QStringList lines{QStringLiteral("if [ -n \"$same_javac\" ]; then")};
    for (const QString &line : jobFunctionLines())
        lines << QStringLiteral("  ") + line;
    lines << QStringLiteral("  export -f make_javac_archive")
          << QStringLiteral("  setsid -f bash -c 'make_javac_archive \"$@\"' make-archive ") +
                 shellQuote(setup.jdk) + QLatin1Char(' ') + shellQuote(setup.cacheDirectory) +
                 QLatin1Char(' ') + shellQuote(setup.version) +
                 QStringLiteral(" </dev/null >/dev/null 2>&1")
          << QStringLiteral("fi");
    return lines;
}

QStringList archiveSampleLines() {
    return {
        QStringLiteral("import java.util.*;"),
        QStringLiteral("import java.util.stream.*;"),
        QStringLiteral("public class Sample {"),
        QStringLiteral("    interface Shape { double area(); }"),
        QStringLiteral("    enum Colour { RED, GREEN }"),
        QStringLiteral("    static class Box<T extends Comparable<T>> {"),
        QStringLiteral("        private final List<T> items = new ArrayList<>();"),
        QStringLiteral("        void add(T item) { items.add(item); }"),
        QStringLiteral("        T max() { return Collections.max(items); }"),
        QStringLiteral("    }"),
        QStringLiteral("    public static void main(String[] args) throws Exception {"),
        QStringLiteral("        Scanner in = new Scanner(System.in);"),
        QStringLiteral("        Box<Integer> box = new Box<>();"),
        QStringLiteral("        for (int i = 0; i < 3; i++) box.add(i * 2);"),
        QStringLiteral("        Shape circle = () -> Math.PI;"),
        QStringLiteral("        Runnable r = new Runnable() { public void run() { "
                       "System.out.println(\"run\"); } };"),
        QStringLiteral("        Map<String, Integer> counts = new HashMap<>();"),
        QStringLiteral("        String text = String.format(\"%d %.2f %s\", box.max(), "
                       "circle.area(), Colour.RED);"),
        QStringLiteral("        for (String w : text.split(\" \")) counts.merge(w, 1, "
                       "Integer::sum);"),
        QStringLiteral("        List<String> keys = counts.keySet().stream().sorted()"
                       ".collect(Collectors.toList());"),
        QStringLiteral("        switch (Colour.GREEN) { case RED: break; default: "
                       "System.out.println(keys); }"),
        QStringLiteral("        try { r.run(); System.out.println(Integer.parseInt(in.next())); }"),
        QStringLiteral("        catch (NumberFormatException | NoSuchElementException e) { "
                       "System.out.println(\"不是数字：\" + e.getMessage()); }"),
        QStringLiteral("        StringBuilder sb = new StringBuilder().append(args.length);"),
        QStringLiteral("        System.out.println(sb.reverse() + \" \" + keys.size());"),
        QStringLiteral("    }"),
        QStringLiteral("}"),
    };
}

} // namespace qm::build
