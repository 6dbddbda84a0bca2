import java.util.ArrayList;
import java.util.List;

public class 成绩单 {
    static double 平均(List<Integer> 分数表) {
        int 总分 = 0;
        for (int 分数 : 分数表) {
            总分 += 分数;
        }
        return 分数表.isEmpty() ? 0 : (double) 总分 / 分数表.size();
    }

    public static void main(String[] args) {
        List<Integer> 语文 = new ArrayList<>(List.of(85, 90, 78));
        List<Integer> 数学 = new ArrayList<>(List.of(92, 88, 95));
        String 姓名 = "小红";
        System.out.printf("%s 的语文平均分：%.1f%n", 姓名, 平均(语文));
        System.out.printf("%s 的数学平均分：%.1f%n", 姓名, 平均(数学));
        boolean 优秀 = 平均(数学) >= 90;
        System.out.println("数学是否优秀：" + (优秀 ? "是" : "否"));
    }
}
