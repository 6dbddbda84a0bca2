import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStreamReader;
import java.util.Map;
import java.util.TreeMap;

public class WordFrequency {
    public static void main(String[] args) throws IOException {
        BufferedReader br = new BufferedReader(new InputStreamReader(System.in));
        Map<String, Integer> freq = new TreeMap<>();
        String line;
        int lines = 0;
        while ((line = br.readLine()) != null) {
            lines++;
            for (String w : line.toLowerCase().split("[^a-z]+")) {
                if (w.isEmpty()) {
                    continue;
                }
                freq.merge(w, 1, Integer::sum);
            }
        }
        System.out.println("行数：" + lines);
        for (Map.Entry<String, Integer> e : freq.entrySet()) {
            System.out.println(e.getKey() + " = " + e.getValue());
        }
    }
}
