import java.util.ArrayList;
import java.util.Collections;
import java.util.HashSet;
import java.util.Iterator;
import java.util.List;
import java.util.Map;
import java.util.Objects;
import java.util.Set;
import java.util.TreeMap;

class Student implements Comparable<Student> {
    private final String id;
    private final String name;
    private final String className;
    private final int score;

    Student(String id, String name, String className, int score) {
        this.id = id;
        this.name = name;
        this.className = className;
        this.score = score;
    }

    String getName() { return name; }
    String getClassName() { return className; }
    int getScore() { return score; }

    @Override
    public int compareTo(Student o) {
        return Integer.compare(o.score, score);   // 分数从高到低
    }

    @Override
    public boolean equals(Object o) {
        return o instanceof Student && ((Student) o).id.equals(id);
    }

    @Override
    public int hashCode() {
        return Objects.hash(id);
    }
}

public class StudentSystem {
    public static void main(String[] args) {
        List<Student> list = new ArrayList<>();
        list.add(new Student("001", "刘洋", "一班", 88));
        list.add(new Student("002", "孙丽", "二班", 95));
        list.add(new Student("003", "周杰", "一班", 72));
        list.add(new Student("002", "孙丽", "二班", 95));   // 重复录入
        list.add(new Student("004", "吴敏", "二班", 58));

        Set<Student> unique = new HashSet<>(list);
        System.out.println("录入 " + list.size() + " 条，去重后 " + unique.size() + " 人");

        List<Student> sorted = new ArrayList<>(unique);
        Collections.sort(sorted);
        System.out.print("排名：");
        for (Student s : sorted) {
            System.out.print(s.getName() + " ");
        }
        System.out.println();

        Map<String, List<String>> byClass = new TreeMap<>();
        for (Student s : sorted) {
            byClass.computeIfAbsent(s.getClassName(), k -> new ArrayList<>()).add(s.getName());
        }
        System.out.println("按班级：" + byClass);

        Iterator<Student> it = sorted.iterator();
        while (it.hasNext()) {
            if (it.next().getScore() < 60) {
                it.remove();
            }
        }
        System.out.println("及格人数：" + sorted.size());
    }
}
