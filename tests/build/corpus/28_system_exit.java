import java.util.Scanner;

public class AgeCheck {
    public static void main(String[] args) {
        Scanner sc = new Scanner(System.in);
        System.out.print("请输入年龄：");
        if (!sc.hasNextInt()) {
            System.out.println("输入的不是数字，程序退出");
            System.exit(2);
        }
        int age = sc.nextInt();
        if (age < 0 || age > 150) {
            System.out.println("年龄 " + age + " 不合法，程序退出");
            System.exit(3);
        }
        System.out.println(age >= 18 ? "已成年" : "未成年");
    }
}
