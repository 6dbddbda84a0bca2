class Rectangle {
    private double width;
    private double height;

    public Rectangle(double width, double height) {
        this.width = width;
        this.height = height;
    }

    public double getArea() {
        return width * height;
    }

    public double getPerimeter() {
        return 2 * (width + height);
    }
}

public class RectangleTest {
    public static  void main(String[] args) {
        Rectangle r = new Rectangle(3, 4.5);
        System.out.println("面积：" + r.getArea());
        System.out.println("周长：" + r.getPerimeter());
    }
}
