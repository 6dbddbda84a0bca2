public class CodeTemplate {
    static final String HEADER = "public class Demo {";
    static final String NOTE = "a class { 没有名字 }";
    static char open = '{';

    public static void main(String[] args) {
        System.out.println(HEADER);
        System.out.println("    // " + NOTE);
        System.out.println("}" + open);
    }
}
