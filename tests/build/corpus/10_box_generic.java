import java.util.function.Function;

public class Box<T> {
    private T value;

    public Box(T value) {
        this.value = value;
    }

    public T get() {
        return value;
    }

    public void set(T value) {
        this.value = value;
    }

    public <R> Box<R> map(Function<? super T, ? extends R> f) {
        return new Box<>(f.apply(value));
    }

    @Override
    public String toString() {
        return "Box[" + value + "]";
    }

    public static void main(String[] args) {
        Box<String> s = new Box<>("泛型");
        Box<Integer> len = s.map(String::length);
        System.out.println(s + " 长度 " + len.get());
        Box<Double> d = new Box<>(1.5);
        d.set(d.get() * 2);
        System.out.println(d);
    }
}
