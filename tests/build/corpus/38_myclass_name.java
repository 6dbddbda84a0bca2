import java.util.Scanner;

public class Myclass {
    public static void main(String[] args) {
        Scanner input = new Scanner(System.in);
        System.out.print("Enter the radius: ");
        double radius = input.nextDouble();
        double area = Math.PI * radius * radius;
        System.out.println("The area is " + area);
    }
}
