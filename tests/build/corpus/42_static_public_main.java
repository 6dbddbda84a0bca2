class MathUtil {
    static int gcd(int a, int b) {
        while (b != 0) {
            int t = a % b;
            a = b;
            b = t;
        }
        return a;
    }

    static int lcm(int a, int b) {
        return a / gcd(a, b) * b;
    }
}

class GcdTest {
    static public void main(String[] args) {
        int a = 24, b = 36;
        System.out.println("最大公约数：" + MathUtil.gcd(a, b));
        System.out.println("最小公倍数：" + MathUtil.lcm(a, b));
    }
}
