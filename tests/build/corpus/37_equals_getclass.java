public class Fraction {
    private final int num;
    private final int den;

    public Fraction(int num, int den) {
        int g = gcd(Math.abs(num), Math.abs(den));
        if (den < 0) {
            num = -num;
            den = -den;
        }
        this.num = num / g;
        this.den = den / g;
    }

    private static int gcd(int a, int b) {
        return b == 0 ? a : gcd(b, a % b);
    }

    public Fraction add(Fraction o) {
        return new Fraction(num * o.den + o.num * den, den * o.den);
    }

    @Override
    public boolean equals(Object obj) {
        if (this == obj) {
            return true;
        }
        if (obj == null || getClass() != obj.getClass()) {
            return false;
        }
        Fraction other = (Fraction) obj;
        return num == other.num && den == other.den;
    }

    @Override
    public int hashCode() {
        return 31 * num + den;
    }

    @Override
    public String toString() {
        return den == 1 ? String.valueOf(num) : num + "/" + den;
    }

    public static void main(String[] args) {
        Fraction a = new Fraction(1, 2);
        Fraction b = new Fraction(1, 3);
        System.out.println(a + " + " + b + " = " + a.add(b));
        System.out.println("2/4 等于 1/2 吗？" + new Fraction(2, 4).equals(a));
        System.out.println(new Fraction(3, -6) + " + 1/2 = " + new Fraction(3, -6).add(a));
    }
}
