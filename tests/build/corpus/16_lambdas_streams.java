import java.util.Arrays;
import java.util.List;
import java.util.Map;
import java.util.function.BiFunction;
import java.util.function.Function;
import java.util.function.Supplier;
import java.util.stream.Collectors;

public class LambdaDemo {
    public static void main(String[] args) {
        List<Integer> nums = List.of(3, 8, 1, 12, 7, 6, 10);

        List<Integer> evens = nums.stream()
                .filter(n -> n % 2 == 0)
                .sorted()
                .collect(Collectors.toList());
        System.out.println("偶数：" + evens);

        int sumSq = nums.stream().mapToInt(n -> n * n).sum();
        System.out.println("平方和：" + sumSq);

        BiFunction<Integer, Integer, Integer> add = (a, b) -> a + b;
        Function<Integer, Integer> twice = x -> x * 2;
        System.out.println("(3 + 4) * 2 = " + add.andThen(twice).apply(3, 4));

        Supplier<String> hello = () -> "λ 表达式";
        System.out.println(hello.get());

        List<String> words = Arrays.asList("banana", "Apple", "cherry");
        words.sort(String::compareToIgnoreCase);
        words.forEach(w -> System.out.print(w + " "));
        System.out.println();

        Map<Boolean, Long> parts = nums.stream()
                .collect(Collectors.partitioningBy(n -> n > 5, Collectors.counting()));
        System.out.println("大于5: " + parts.get(true) + ", 其他: " + parts.get(false));
    }
}
