import java.util.HashMap;
import java.util.Map;
import java.util.logging.Level;
import java.util.logging.Logger;

public class Inventory {
    private static final Logger LOG = Logger.getLogger(Inventory.class.getName());

    public static void main(String[] args) {
        Map<String, Integer> stock = new HashMap<>();
        stock.put("apple", 10);
        stock.put("banana", 0);
        String[] orders = {"apple", "banana", "cherry"};
        for (String item : orders) {
            Integer n = stock.get(item);
            if (n == null) {
                LOG.log(Level.SEVERE, "没有这种商品: {0}", item);
            } else if (n == 0) {
                LOG.log(Level.WARNING, "{0} 已售罄", item);
            } else {
                stock.put(item, n - 1);
                System.out.println("售出一个 " + item + "，剩余 " + (n - 1));
            }
        }
    }
}
