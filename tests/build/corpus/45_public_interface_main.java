// 接口里的静态方法也可以是程序的入口
public interface Greeting {
    String PREFIX = "你好，";

    static String greet(String name) {
        return PREFIX + name + "！";
    }

    static void main(String[] args) {
        System.out.println(greet("接口"));
        System.out.println("Greeting from an interface");
    }
}
