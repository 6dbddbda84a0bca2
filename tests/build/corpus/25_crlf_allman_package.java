package lab.week3;

import java.util.Scanner;

/**
 * 判断闰年：能被 4 整除但不能被 100 整除，或者能被 400 整除
 */
public class LeapYear
{
    public static boolean isLeap(int year)
    {
        return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    }

    public static void main(String[] args)
    {
        Scanner scanner = new Scanner(System.in);
        while (scanner.hasNextInt())
        {
            int y = scanner.nextInt();
            System.out.println(y + (isLeap(y) ? " 是闰年" : " 不是闰年"));
        }
    }
}
