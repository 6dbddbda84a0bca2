import java.util.Scanner;

public class GradeLevel {
    public static void main(String[] args) {
        var sc = new Scanner(System.in);
        var count = 0;
        while (sc.hasNextInt()) {
            var score = sc.nextInt();
            var level = switch (score / 10) {
                case 10, 9 -> "优秀";
                case 8 -> "良好";
                case 7 -> "中等";
                case 6 -> "及格";
                default -> {
                    if (score < 0 || score > 100) yield "无效";
                    yield "不及格";
                }
            };
            System.out.println(score + " 分：" + level);
            count++;
        }
        System.out.println("共评定 " + count + " 个成绩");
    }
}
