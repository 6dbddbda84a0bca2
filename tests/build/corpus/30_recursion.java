public class Recursion {
    static int moves = 0;
    static long[] memo = new long[100];

    static void hanoi(int n, char from, char via, char to) {
        if (n == 0) return;
        hanoi(n - 1, from, to, via);
        moves++;
        System.out.println("把第 " + n + " 个盘子从 " + from + " 移到 " + to);
        hanoi(n - 1, via, from, to);
    }

    static long fib(int n) {
        if (n <= 1) return n;
        if (memo[n] != 0) return memo[n];
        return memo[n] = fib(n - 1) + fib(n - 2);
    }

    static int gcd(int a, int b) {
        return b == 0 ? a : gcd(b, a % b);
    }

    static String toBinary(int n) {
        return n < 2 ? String.valueOf(n) : toBinary(n / 2) + (n % 2);
    }

    public static void main(String[] args) {
        hanoi(3, 'A', 'B', 'C');
        System.out.println("共移动 " + moves + " 次");
        System.out.println("fib(50) = " + fib(50));
        System.out.println("gcd(84, 36) = " + gcd(84, 36));
        System.out.println("13 的二进制：" + toBinary(13));
    }
}
