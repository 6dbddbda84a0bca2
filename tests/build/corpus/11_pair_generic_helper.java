import java.util.Arrays;
import java.util.List;

class Pair<A, B> {
    private final A first;
    private final B second;

    Pair(A first, B second) {
        this.first = first;
        this.second = second;
    }

    A getFirst() { return first; }
    B getSecond() { return second; }

    @Override
    public String toString() {
        return "(" + first + ", " + second + ")";
    }
}

public class MinMax {
    static <T extends Comparable<T>> Pair<T, T> minMax(List<T> list) {
        T min = list.get(0);
        T max = list.get(0);
        for (T x : list) {
            if (x.compareTo(min) < 0) min = x;
            if (x.compareTo(max) > 0) max = x;
        }
        return new Pair<>(min, max);
    }

    public static void main(String[] args) {
        Pair<Integer, Integer> p = minMax(Arrays.asList(5, 3, 9, 1, 7));
        System.out.println("最小值和最大值：" + p);
        Pair<String, String> q = minMax(Arrays.asList("pear", "apple", "orange"));
        System.out.println(q);
        Pair<String, Integer> age = new Pair<>("张三", 20);
        System.out.println(age.getFirst() + " 今年 " + age.getSecond() + " 岁");
    }
}
