class InsufficientBalanceException extends Exception {
    public InsufficientBalanceException(String message) {
        super(message);
    }
}

public class ExceptionDemo {
    private static int balance = 100;

    static void pay(int amount) throws InsufficientBalanceException {
        if (amount > balance) {
            throw new InsufficientBalanceException("余额不足：当前 " + balance + "，需要 " + amount);
        }
        balance -= amount;
        System.out.println("支付 " + amount + " 成功，剩余 " + balance);
    }

    public static void main(String[] args) {
        String[] inputs = {"30", "abc", "200", "0", "50"};
        for (String s : inputs) {
            try {
                int amount = Integer.parseInt(s);
                int perItem = 100 / amount;   // 金额为 0 时故意触发除零
                pay(amount);
            } catch (NumberFormatException e) {
                System.out.println("不是数字：" + s);
            } catch (InsufficientBalanceException e) {
                System.out.println("支付失败，" + e.getMessage());
            } catch (ArithmeticException e) {
                System.out.println("算术异常：" + e.getMessage());
            } finally {
                System.out.println("---- 处理完 " + s);
            }
        }

        try {
            int[] arr = new int[3];
            arr[3] = 1;
        } catch (ArrayIndexOutOfBoundsException e) {
            System.out.println("数组越界：" + e.getMessage());
        }
    }
}
