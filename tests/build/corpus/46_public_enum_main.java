public enum Weekday {
    MONDAY("星期一"), TUESDAY("星期二"), WEDNESDAY("星期三");

    private final String chinese;

    Weekday(String chinese) {
        this.chinese = chinese;
    }

    public static void main(String[] args) {
        for (Weekday day : values()) {
            System.out.println(day + " = " + day.chinese);
        }
    }
}
