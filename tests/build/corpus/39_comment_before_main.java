public class Loop {
    // 这个class演示了三种循环的写法
    public static void main(String[] args) {
        int i = 1, sum = 0;
        while (i <= 10) {
            sum += i;
            i++;
        }
        System.out.println("while: " + sum);

        sum = 0;
        i = 1;
        do {
            sum += i;
            i++;
        } while (i <= 10);
        System.out.println("do-while: " + sum);

        sum = 0;
        for (int j = 1; j <= 10; j++) {
            sum += j;
        }
        System.out.println("for: " + sum);
    }
}
