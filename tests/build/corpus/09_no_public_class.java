class Counter {
    private int count;

    void add() {
        count++;
    }

    int get() {
        return count;
    }
}

class VowelCount {
    public static void main(String[] args) {
        String text = "programming in java is fun";
        Counter c = new Counter();
        for (char ch : text.toCharArray()) {
            if ("aeiou".indexOf(ch) >= 0) {
                c.add();
            }
        }
        System.out.println("元音字母个数：" + c.get());
    }
}
