public class ArraySum {
    public static void main(String[] args) {
        int[] arr = {1, 2, 3, 4, 5};
        int sum = 0;
        // 作业第 5 题：求数组所有元素之和
        for (int i = 0; i <= arr.length; i++) {
            System.out.println("arr[" + i + "] = " + arr[i]);
            sum += arr[i];
        }
        System.out.println("sum = " + sum);
    }
}
