abstract class Shape {
    abstract double area();

    String describe() {
        return getClass().getSimpleName() + " 面积 = " + String.format("%.2f", area());
    }
}

class Circle extends Shape {
    private final double r;

    Circle(double r) { this.r = r; }

    @Override
    double area() { return Math.PI * r * r; }
}

class Rectangle extends Shape {
    private final double w, h;

    Rectangle(double w, double h) { this.w = w; this.h = h; }

    @Override
    double area() { return w * h; }
}

public class ShapeTest {
    public static void main(String[] args) {
        Shape[] shapes = { new Circle(1), new Rectangle(3, 4), new Circle(2) };
        double total = 0;
        for (Shape s : shapes) {
            System.out.println(s.describe());
            total += s.area();
        }
        System.out.printf("总面积 = %.2f%n", total);
    }
}
