import java.util.Arrays;
import java.util.Scanner;

public class ScoreStats {
    public static void main(String[] args) {
        Scanner in = new Scanner(System.in);
        System.out.println("请输入学生人数：");
        int n = in.nextInt();
        int[] scores = new int[n];
        System.out.println("请输入 " + n + " 个成绩：");
        for (int i = 0; i < n; i++) {
            scores[i] = in.nextInt();
        }

        int max = scores[0], min = scores[0], sum = 0;
        for (int s : scores) {
            if (s > max) max = s;
            if (s < min) min = s;
            sum += s;
        }
        double avg = (double) sum / n;
        System.out.printf("最高分：%d，最低分：%d，平均分：%.2f%n", max, min, avg);

        Arrays.sort(scores);
        System.out.println("排序后：" + Arrays.toString(scores));
    }
}
