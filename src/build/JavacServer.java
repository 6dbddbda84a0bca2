// Keeps javac warm between builds: the console's script asks this JVM to
// compile instead of starting javac's own, which takes most of a build.
//
// java JavacServer.java REQUESTS SAMPLE
//   REQUESTS  a named pipe; each request is NUL-ended fields, ended by an
//             empty one: the answer pipe, the source's directory, the source,
//             the directory for the class files, the class path (relative
//             entries are below the source's directory).
//   SAMPLE    a source compiled once before "ready" is printed, so the
//             first real compile finds javac loaded, then a few times more
//             beside the requests, so that later ones find its code compiled.
// The answer: javac's output in "<answer pipe>.out", then its exit status
// and a line end written to the answer pipe. Ends when its input ends, so
// it never outlives the program that started it.
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.RandomAccessFile;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.TimeUnit;
import javax.tools.Tool;
import javax.tools.ToolProvider;

public class JavacServer {
    private static final int WARM_UP_ROUNDS = 4;
    // The program has ended: the warm-up stops at its next round.
    private static volatile boolean ending;
    // Counted down once the warm-up writes no more into the directory (javac
    // would make its output folder again).
    private static final CountDownLatch warmUpOver = new CountDownLatch(1);

    public static void main(String[] args) throws IOException {
        Tool javac = ToolProvider.getSystemJavaCompiler();
        if (javac == null || args.length != 2)
            System.exit(2);
        endWithInput(Path.of(args[0]).toAbsolutePath().getParent());
        Path sample = Path.of(args[1]);
        try {
            warmUp(javac, sample, 1);
        } catch (IOException e) {
            warmUpOver.countDown();
            if (!ending)
                throw e;
        }
        // One round has loaded javac: from now on a build is answered sooner
        // than a javac of its own would be. The later rounds, which get
        // javac's code compiled, run beside the requests, never before them.
        System.out.println("ready");
        System.out.flush();
        Thread rounds = new Thread(() -> {
            try {
                warmUp(javac, sample, WARM_UP_ROUNDS - 1);
            } catch (IOException e) {
                // the program has ended and the directory is going
            } finally {
                warmUpOver.countDown();
            }
        });
        rounds.setDaemon(true);
        rounds.start();
        // Opened for reading and writing, the pipe never reports an end when
        // a script closes its side, and opening it never waits for a writer.
        try (RandomAccessFile requests = new RandomAccessFile(args[0], "rw")) {
            InputStream in = new java.io.FileInputStream(requests.getFD());
            for (List<String> fields = readRequest(in); fields != null; fields = readRequest(in)) {
                if (fields.size() == 5)
                    answer(javac, fields);
            }
        } catch (IOException e) {
            if (!ending)
                throw e;
        }
        // The program has ended and the pipe went with the directory: the
        // watch ends this JVM once the directory is gone.
        while (ending)
            pause(1000);
    }

    // The program that started it has ended, perhaps killed before it could
    // remove this server's private directory: the server removes it, once a
    // warm-up round still writing its class files there has ended.
    private static void endWithInput(Path directory) {
        Thread watch = new Thread(() -> {
            try {
                while (System.in.read() >= 0) {
                }
            } catch (IOException e) {
            }
            ending = true;
            try {
                warmUpOver.await(30, TimeUnit.SECONDS);
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
            }
            for (int tries = 0; tries < 10 && Files.exists(directory); ++tries) {
                remove(directory);
                if (Files.exists(directory))
                    pause(100);
            }
            System.exit(0);
        });
        watch.setDaemon(true);
        watch.start();
    }

    private static void warmUp(Tool javac, Path sample, int rounds) throws IOException {
        Path out = Files.createTempDirectory(sample.toAbsolutePath().getParent(), "warm-up");
        for (int round = 0; round < rounds && !ending; ++round) {
            javac.run(null, new ByteArrayOutputStream(), new ByteArrayOutputStream(), "-g",
                      "-proc:none", "-encoding", "UTF-8", "-d", out.toString(), sample.toString());
        }
        remove(out);
    }

    private static void pause(long milliseconds) {
        try {
            Thread.sleep(milliseconds);
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
        }
    }

    private static void remove(Path tree) {
        try (var files = Files.walk(tree)) {
            files.sorted(java.util.Comparator.reverseOrder()).forEach(p -> p.toFile().delete());
        } catch (IOException | java.io.UncheckedIOException e) {
            // a file went while the tree was read: the caller tries again
        }
    }

    // The class path with its relative entries taken below `directory`, as
    // javac run there would take them.
    private static String below(String directory, String classPath) {
        List<String> entries = new ArrayList<>();
        for (String entry : classPath.split(java.io.File.pathSeparator, -1))
            entries.add(Path.of(entry).isAbsolute() ? entry : directory + "/" + entry);
        return String.join(java.io.File.pathSeparator, entries);
    }

    // Fields up to an empty one; null at the end of the input.
    private static List<String> readRequest(InputStream in) throws IOException {
        List<String> fields = new ArrayList<>();
        ByteArrayOutputStream field = new ByteArrayOutputStream();
        for (int b = in.read(); b >= 0; b = in.read()) {
            if (b != 0) {
                field.write(b);
                continue;
            }
            if (field.size() == 0)
                return fields;
            fields.add(field.toString(Charset.defaultCharset()));
            field.reset();
        }
        return null;
    }

    // The source is named by its full path, so that javac, which resolves a
    // relative one against this JVM's directory, finds it; the directory is
    // then taken out of what javac printed, which reads as the console's own
    // javac would have printed it. No annotation processor runs, and local
    // variables keep their names (-g), as with the console's javac; this JVM's
    // locale, which its starter sets, makes javac speak Chinese.
    private static void answer(Tool javac, List<String> fields) {
        String reply = fields.get(0), directory = fields.get(1), source = fields.get(2);
        ByteArrayOutputStream output = new ByteArrayOutputStream();
        int status;
        try {
            status = javac.run(null, output, output, "-g", "-proc:none", "-encoding", "UTF-8",
                               "-d", fields.get(3), "-cp", below(directory, fields.get(4)),
                               directory + "/" + source);
        } catch (RuntimeException | Error e) {
            return; // no answer: the script runs javac itself
        }
        String text = output.toString(Charset.defaultCharset()).replace(directory + "/", "");
        if (!Files.exists(Path.of(reply)))
            return; // the script has gone
        try {
            Files.write(Path.of(reply + ".out"), text.getBytes(Charset.defaultCharset()));
            // Read and write: opening never waits, also when the script has gone.
            try (RandomAccessFile answer = new RandomAccessFile(reply, "rw")) {
                answer.write((status + "\n").getBytes(Charset.defaultCharset()));
            }
        } catch (IOException e) {
            // The script has gone or its pipe with it; it runs javac itself.
        }
        System.gc(); // the heap shrinks back while nobody waits
    }
}
