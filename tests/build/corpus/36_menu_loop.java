import java.util.Scanner;

public class ATM {
    public static void main(String[] args) {
        Scanner sc = new Scanner(System.in);
        double balance = 1000;
        int choice;
        do {
            System.out.println("===== ATM =====");
            System.out.println("1. 存款  2. 取款  3. 查询余额  0. 退出");
            System.out.print("请选择：");
            if (!sc.hasNextInt()) {
                break;            // 没有更多输入了
            }
            choice = sc.nextInt();
            switch (choice) {
                case 1:
                    System.out.print("存款金额：");
                    balance += sc.nextDouble();
                    break;
                case 2:
                    System.out.print("取款金额：");
                    double amount = sc.nextDouble();
                    if (amount > balance) {
                        System.out.println("余额不足！");
                    } else {
                        balance -= amount;
                    }
                    break;
                case 3:
                    System.out.println("当前余额：" + balance);
                    break;
                case 0:
                    System.out.println("谢谢使用，再见！");
                    break;
                default:
                    System.out.println("无效选项");
            }
        } while (choice != 0);
    }
}
