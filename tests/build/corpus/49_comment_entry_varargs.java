/**
 * 第二章练习：求 1 到 n 的阶乘
 */
class Factorial {
    // main 方法是 class 的入口
    static public void main(final String... args) {
        long f = 1;
        for (int i = 1; i <= 10; i++) {
            f *= i;
        }
        System.out.println("10! = " + f);
    }
}
