public class PartialSum extends Thread implements Runnable {
    private final int[] data;
    private final int from;
    private final int to;
    private long result;

    PartialSum(int[] data, int from, int to) {
        this.data = data;
        this.from = from;
        this.to = to;
    }

    @Override
    public void run() {
        for (int i = from; i < to; i++) {
            result += data[i];
        }
    }

    public static void main(String[] args) throws InterruptedException {
        int[] data = new int[1000];
        for (int i = 0; i < data.length; i++) {
            data[i] = i + 1;
        }
        PartialSum[] workers = new PartialSum[4];
        int chunk = data.length / workers.length;
        for (int k = 0; k < workers.length; k++) {
            workers[k] = new PartialSum(data, k * chunk, (k + 1) * chunk);
            workers[k].start();
        }
        long total = 0;
        for (int k = 0; k < workers.length; k++) {
            workers[k].join();
            System.out.println("线程 " + k + " 的部分和：" + workers[k].result);
            total += workers[k].result;
        }
        System.out.println("总和：" + total);

        // 两个线程同时给计数器加一，用 synchronized 保证结果正确
        final int[] counter = {0};
        final Object lock = new Object();
        Runnable inc = () -> {
            for (int i = 0; i < 10000; i++) {
                synchronized (lock) {
                    counter[0]++;
                }
            }
        };
        Thread t1 = new Thread(inc);
        Thread t2 = new Thread(inc);
        t1.start();
        t2.start();
        t1.join();
        t2.join();
        System.out.println("计数器：" + counter[0]);
    }
}
