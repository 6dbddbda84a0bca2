/**
 * 第一章 课后练习 3
 * 计算 1 到 100 之间所有偶数的和
 */
package 作业.第一章;

public class EvenSum {
    public static void main(String[] args) {
        int sum = 0;
        for (int i = 1; i <= 100; i++) {
            if (i % 2 == 0) {
                sum += i;
            }
        }
        System.out.println("1 到 100 的偶数和：" + sum);
    }
}
