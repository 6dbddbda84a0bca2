import java.util.Scanner;

class Classroom {
    static int classSize = 3;
    static int[] scores = new int[classSize];

    public static void main(String[] args) {
        Scanner in = new Scanner(System.in);
        int total = 0;
        for (int i = 0; i < classSize; i++) {
            scores[i] = in.nextInt();
            total += scores[i];
        }
        System.out.println("班级人数：" + classSize + "，总分：" + total);
    }
}
