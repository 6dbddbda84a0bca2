import java.util.ArrayList;
import java.util.Collections;
import java.util.Comparator;
import java.util.List;

public class SortNames {
    public static void main(String[] args) {
        // 局部类 (local class)：只在 main 里面用得到
        class Person {
            final String name;
            final int age;

            Person(String name, int age) {
                this.name = name;
                this.age = age;
            }

            @Override
            public String toString() {
                return name + "(" + age + ")";
            }
        }

        List<Person> people = new ArrayList<>();
        people.add(new Person("张伟", 21));
        people.add(new Person("李娜", 19));
        people.add(new Person("王磊", 23));
        people.add(new Person("陈静", 20));

        // 匿名内部类实现 Comparator
        Collections.sort(people, new Comparator<Person>() {
            @Override
            public int compare(Person a, Person b) {
                return Integer.compare(a.age, b.age);
            }
        });
        System.out.println("按年龄排序：" + people);

        Runnable greet = new Runnable() {
            @Override
            public void run() {
                System.out.println("匿名类运行中，最年长的是 " + people.get(people.size() - 1).name);
            }
        };
        greet.run();
    }
}
