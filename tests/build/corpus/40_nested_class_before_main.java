import java.util.ArrayList;
import java.util.List;

public class StudentManager {
    static class Student {
        String name;
        int score;

        Student(String name, int score) {
            this.name = name;
            this.score = score;
        }
    }

    public static void main(String[] args) {
        List<Student> list = new ArrayList<>();
        list.add(new Student("Tom", 85));
        list.add(new Student("Jerry", 92));
        list.add(new Student("Lucy", 67));
        Student best = list.get(0);
        for (Student s : list) {
            if (s.score > best.score) {
                best = s;
            }
        }
        System.out.println("最高分：" + best.name + " " + best.score);
    }
}
