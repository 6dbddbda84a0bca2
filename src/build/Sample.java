// A small program that uses what learners use in their programs (generics,
// lambdas, inner and anonymous classes, enums, exceptions): compiled to fill
// the class-data archive of javac, and by the warm javac before it is ready.
import java.util.*;
import java.util.stream.*;
public class Sample {
    interface Shape { double area(); }
    enum Colour { RED, GREEN }
    static class Box<T extends Comparable<T>> {
        private final List<T> items = new ArrayList<>();
        void add(T item) { items.add(item); }
        T max() { return Collections.max(items); }
    }
    public static void main(String[] args) throws Exception {
        Scanner in = new Scanner(System.in);
        Box<Integer> box = new Box<>();
        for (int i = 0; i < 3; i++) box.add(i * 2);
        Shape circle = () -> Math.PI;
        Runnable r = new Runnable() { public void run() { System.out.println("run"); } };
        Map<String, Integer> counts = new HashMap<>();
        String text = String.format("%d %.2f %s", box.max(), circle.area(), Colour.RED);
        for (String w : text.split(" ")) counts.merge(w, 1, Integer::sum);
        List<String> keys = counts.keySet().stream().sorted().collect(Collectors.toList());
        switch (Colour.GREEN) { case RED: break; default: System.out.println(keys); }
        try { r.run(); System.out.println(Integer.parseInt(in.next())); }
        catch (NumberFormatException | NoSuchElementException e) { System.out.println("不是数字：" + e.getMessage()); }
        StringBuilder sb = new StringBuilder().append(args.length);
        System.out.println(sb.reverse() + " " + keys.size());
    }
}
