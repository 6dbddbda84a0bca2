public class TextBlockDemo {
    public static void main(String[] args) {
        String poem = """
                床前明月光，
                疑是地上霜。
                举头望明月，
                低头思故乡。
                """;
        System.out.print(poem);

        // 文本块里的代码只是字符串，不会被编译
        String code = """
                public class Hello {
                    public static void main(String[] args) {
                        System.out.println("Hi");
                    }
                }
                """;
        System.out.println("下面是一段示例代码：");
        System.out.print(code);
        System.out.println("代码行数：" + code.lines().count());

        String json = """
                {"name": "小明", "age": %d}""".formatted(18);
        System.out.println(json);
    }
}
