import java.util.Iterator;
import java.util.NoSuchElementException;

public class ArrayStack<E> implements Iterable<E> {
    private Object[] data = new Object[2];
    private int size;

    public void push(E e) {
        if (size == data.length) {
            Object[] bigger = new Object[data.length * 2];
            System.arraycopy(data, 0, bigger, 0, size);
            data = bigger;
        }
        data[size++] = e;
    }

    @SuppressWarnings("unchecked")
    public E pop() {
        if (size == 0) throw new NoSuchElementException("栈为空");
        E e = (E) data[--size];
        data[size] = null;
        return e;
    }

    public boolean isEmpty() {
        return size == 0;
    }

    @Override
    public Iterator<E> iterator() {
        return new Iterator<E>() {
            private int i = size - 1;

            @Override
            public boolean hasNext() {
                return i >= 0;
            }

            @SuppressWarnings("unchecked")
            @Override
            public E next() {
                return (E) data[i--];
            }
        };
    }

    public static void main(String[] args) {
        ArrayStack<String> stack = new ArrayStack<>();
        for (String s : "a b c d e".split(" ")) stack.push(s);
        StringBuilder sb = new StringBuilder();
        for (String s : stack) sb.append(s);
        System.out.println("从栈顶遍历：" + sb);
        System.out.println("弹出：" + stack.pop() + ", " + stack.pop());

        // 用栈检查括号是否匹配
        String expr = "{[()()]}";
        ArrayStack<Character> st = new ArrayStack<>();
        boolean ok = true;
        for (char c : expr.toCharArray()) {
            if ("([{".indexOf(c) >= 0) {
                st.push(c);
            } else {
                if (st.isEmpty()) { ok = false; break; }
                char open = st.pop();
                if ("([{".indexOf(open) != ")]}".indexOf(c)) { ok = false; break; }
            }
        }
        System.out.println(expr + " 括号匹配：" + (ok && st.isEmpty()));
    }
}
