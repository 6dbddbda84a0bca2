import java.util.ArrayList;
import java.util.List;
import java.util.Scanner;

public class Attendance {
    static void printBanner() {
        System.out.println("==============================");
        System.out.println("  Java class sign-in system");
        System.out.println("==============================");
    }

    public static void main(String[] args) {
        printBanner();
        Scanner sc = new Scanner(System.in);
        List<String> present = new ArrayList<>();
        while (sc.hasNextLine()) {
            String name = sc.nextLine().trim();
            if (name.isEmpty()) {
                continue;
            }
            if (present.contains(name)) {
                System.out.println(name + " 已经签到过了");
            } else {
                present.add(name);
                System.out.println(name + " 签到成功");
            }
        }
        System.out.println("今日到课 " + present.size() + " 人：" + String.join("、", present));
    }
}
