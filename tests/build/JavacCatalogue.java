// Prints what javac's own catalogues and the JVM say, for the keys of the
// explanation table: for a javac key the first line of its English and its
// Chinese message ("en<TAB>key<TAB>line", "zh<TAB>key<TAB>line"); for an
// exception class whether it is one ("class<TAB>name<TAB>yes"); and the
// message of an integer division by zero ("message<TAB>java.lang.ArithmeticException<TAB>...").
// Run with: java --add-exports jdk.compiler/com.sun.tools.javac.resources=ALL-UNNAMED
//                --add-opens jdk.compiler/com.sun.tools.javac.resources=ALL-UNNAMED
//                JavacCatalogue.java KEY...
import java.util.ResourceBundle;

public class JavacCatalogue {
    private static final String CATALOGUE = "com.sun.tools.javac.resources.compiler";

    public static void main(String[] keys) throws Exception {
        ResourceBundle english = bundle(CATALOGUE);
        ResourceBundle chinese = bundle(CATALOGUE + "_zh_CN");
        for (String key : keys) {
            if (key.startsWith("compiler.")) {
                print("en", key, firstLine(english, key));
                print("zh", key, firstLine(chinese, key));
            } else {
                print("class", key, Throwable.class.isAssignableFrom(Class.forName(key)) ? "yes" : "no");
            }
        }
        int zero = keys.length - keys.length;
        try {
            print("message", "java.lang.ArithmeticException", String.valueOf(1 / zero));
        } catch (ArithmeticException e) {
            print("message", "java.lang.ArithmeticException", e.getMessage());
        }
    }

    private static ResourceBundle bundle(String name) throws Exception {
        return (ResourceBundle) Class.forName(name).getDeclaredConstructor().newInstance();
    }

    private static String firstLine(ResourceBundle bundle, String key) {
        return bundle.containsKey(key) ? bundle.getString(key).split("\n", 2)[0] : "<missing>";
    }

    private static void print(String kind, String key, String text) {
        System.out.println(kind + "\t" + key + "\t" + text);
    }
}
