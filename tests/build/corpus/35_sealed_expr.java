sealed interface Expr permits Num, Add, Mul {}

record Num(int value) implements Expr {}

record Add(Expr left, Expr right) implements Expr {}

final class Mul implements Expr {
    final Expr left;
    final Expr right;

    Mul(Expr left, Expr right) {
        this.left = left;
        this.right = right;
    }
}

public class Calculator {
    static int eval(Expr e) {
        if (e instanceof Num n) return n.value();
        if (e instanceof Add a) return eval(a.left()) + eval(a.right());
        if (e instanceof Mul m) return eval(m.left) * eval(m.right);
        throw new IllegalStateException("未知表达式");
    }

    static String show(Expr e) {
        if (e instanceof Num n) return String.valueOf(n.value());
        if (e instanceof Add a) return "(" + show(a.left()) + " + " + show(a.right()) + ")";
        Mul m = (Mul) e;
        return show(m.left) + " * " + show(m.right);
    }

    public static void main(String[] args) {
        Expr e = new Mul(new Add(new Num(2), new Num(3)), new Num(4));
        System.out.println(show(e) + " = " + eval(e));
    }
}
