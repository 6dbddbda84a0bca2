// 练习 2-3：已知半径求圆的面积，保留两位小数
public class Area {
    public static void main(String[] args) {
        double r = 2.5;
        double x = Math.round(Math.PI * r * r * 100) / 100.0;
        System.out.print("结果：" + x);
    }
}
