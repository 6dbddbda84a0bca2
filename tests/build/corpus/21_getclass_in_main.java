class Animal {
    String sound() {
        return "……";
    }
}

class Dog extends Animal {
    @Override
    String sound() {
        return "汪汪";
    }

    void fetch() {
        System.out.println("狗去捡球了");
    }
}

class Cat extends Animal {
    @Override
    String sound() {
        return "喵喵";
    }
}

public class Zoo {
    public static void main(String[] args) {
        Animal[] animals = { new Dog(), new Cat(), new Animal() };
        for (Animal a : animals) {
            System.out.println(a.getClass().getSimpleName() + " 说 " + a.sound());
            if (a instanceof Dog d) {
                d.fetch();
            }
        }
        System.out.println("Dog 是 Animal 的子类吗？" + Animal.class.isAssignableFrom(Dog.class));
        System.out.println("Cat 的父类：" + new Cat().getClass().getSuperclass().getSimpleName());
    }
}
