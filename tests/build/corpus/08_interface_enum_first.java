interface Priced {
    int price();
}

enum Drink implements Priced {
    COFFEE(12), TEA(8), JUICE(10);

    private final int price;

    Drink(int price) {
        this.price = price;
    }

    @Override
    public int price() {
        return price;
    }
}

enum Size { SMALL, MEDIUM, LARGE }

public class CoffeeShop {
    static int cost(Drink d, Size s, int cups) {
        int extra = s.ordinal() * 3;   // 中杯加 3 元，大杯加 6 元
        return (d.price() + extra) * cups;
    }

    public static void main(String[] args) {
        System.out.println("菜单：");
        for (Drink d : Drink.values()) {
            System.out.println("  " + d + " - " + d.price() + " 元");
        }
        int total = 0;
        total += cost(Drink.COFFEE, Size.LARGE, 1);
        total += cost(Drink.TEA, Size.SMALL, 2);
        total += cost(Drink.valueOf("JUICE"), Size.MEDIUM, 1);
        System.out.println("应付：" + total + " 元");
    }
}
