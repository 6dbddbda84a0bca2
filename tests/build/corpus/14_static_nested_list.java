public class MyLinkedList {
    private Node head;
    private int size;

    public static void main(String[] args) {
        MyLinkedList list = new MyLinkedList();
        for (int i = 1; i <= 5; i++) {
            list.addLast(i * 10);
        }
        list.addFirst(5);
        System.out.println("链表：" + list);
        list.reverse();
        System.out.println("反转后：" + list);
        System.out.println("长度：" + list.size);
    }

    void addFirst(int val) {
        Node n = new Node(val);
        n.next = head;
        head = n;
        size++;
    }

    void addLast(int val) {
        Node n = new Node(val);
        if (head == null) {
            head = n;
        } else {
            Node cur = head;
            while (cur.next != null) cur = cur.next;
            cur.next = n;
        }
        size++;
    }

    void reverse() {
        Node prev = null, cur = head;
        while (cur != null) {
            Node next = cur.next;
            cur.next = prev;
            prev = cur;
            cur = next;
        }
        head = prev;
    }

    @Override
    public String toString() {
        StringBuilder sb = new StringBuilder("[");
        for (Node cur = head; cur != null; cur = cur.next) {
            sb.append(cur.val);
            if (cur.next != null) sb.append(" -> ");
        }
        return sb.append("]").toString();
    }

    private static class Node {
        int val;
        Node next;

        Node(int val) {
            this.val = val;
        }
    }
}
