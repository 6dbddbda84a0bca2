import java.util.List;

record Point(int x, int y) {
    double distanceTo(Point o) {
        int dx = x - o.x, dy = y - o.y;
        return Math.sqrt(dx * dx + dy * dy);
    }
}

record Student(String name, int score) {
    Student {
        if (score < 0 || score > 100) {
            throw new IllegalArgumentException("分数无效: " + score);
        }
    }
}

public class RecordDemo {
    public static void main(String[] args) {
        Point a = new Point(0, 0);
        Point b = new Point(3, 4);
        System.out.println(a + " 到 " + b + " 的距离 = " + a.distanceTo(b));
        System.out.println("相等吗？" + a.equals(new Point(0, 0)));

        List<Student> list = List.of(new Student("王芳", 92), new Student("赵强", 78));
        for (Student s : list) {
            System.out.println(s.name() + ": " + s.score());
        }
        try {
            new Student("错误", 120);
        } catch (IllegalArgumentException e) {
            System.out.println("捕获异常：" + e.getMessage());
        }
    }
}
