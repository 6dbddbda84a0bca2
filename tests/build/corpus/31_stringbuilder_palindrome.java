import java.util.Scanner;

public class Palindrome {
    static boolean isPalindrome(String s) {
        String reversed = new StringBuilder(s).reverse().toString();
        return s.equals(reversed);
    }

    public static void main(String[] args) {
        Scanner sc = new Scanner(System.in);
        int count = 0;
        while (sc.hasNextLine()) {
            String line = sc.nextLine().trim();
            if (line.isEmpty()) {
                continue;
            }
            count++;
            if (isPalindrome(line)) {
                System.out.println(line + " 是回文");
            } else {
                System.out.println(line + " 不是回文，反转为 " + new StringBuilder(line).reverse());
            }
        }

        StringBuilder sb = new StringBuilder();
        for (int i = 1; i <= count; i++) {
            if (sb.length() > 0) {
                sb.append('-');
            }
            sb.append(i);
        }
        sb.insert(0, "编号：");
        System.out.println(sb);
    }
}
