/**
 * 求 100 以内的素数（埃拉托斯特尼筛法）
 * 教材第 4 章 例 4-7
 */
public class Primes
{
    public static void main (String args[]) throws Exception
    {
        final int N = 100;
        boolean composite[] = new boolean[N + 1];
        int count = 0;
        for (int i = 2; i <= N; i++)
        {
            if (!composite[i])
            {
                count++;
                System.out.print(i + (count % 10 == 0 ? "\n" : " "));
                for (int j = i * i; j <= N; j += i)
                    composite[j] = true;
            }
        }
        System.out.println();
        System.out.println("100 以内共有 " + count + " 个素数");
    }
}
