import java.util.ArrayList;
import java.util.List;

public class Library {
    private final List<Book> books = new ArrayList<>();
    private int nextId = 1;

    public static void main(String[] args) {
        Library lib = new Library();
        lib.add("Java 核心技术", "Cay Horstmann");
        lib.add("算法（第4版）", "Robert Sedgewick");
        Library.Book extra = lib.new Book("Effective Java", "Joshua Bloch");
        lib.books.add(extra);

        for (Book b : lib.books) {
            System.out.println(b);
        }
        System.out.println("共 " + lib.books.size() + " 本书");
    }

    void add(String title, String author) {
        books.add(new Book(title, author));
    }

    // 内部类：每本书都能访问外部 Library 对象的 nextId
    class Book {
        private final int id;
        private final String title;
        private final String author;

        Book(String title, String author) {
            this.id = nextId++;
            this.title = title;
            this.author = author;
        }

        @Override
        public String toString() {
            return "#" + id + " 《" + title + "》 " + author;
        }
    }
}
