// Lab 4: 银行账户
// CS101 Java 程序设计，周三班
package edu.school.lab4;

import java.util.ArrayList;
import java.util.List;

class Account {
    private final String owner;
    private double balance;

    Account(String owner, double balance) {
        this.owner = owner;
        this.balance = balance;
    }

    void deposit(double amount) {
        balance += amount;
    }

    boolean withdraw(double amount) {
        if (amount > balance) {
            return false;
        }
        balance -= amount;
        return true;
    }

    String getOwner() { return owner; }
    double getBalance() { return balance; }
}

public class BankApp {
    public static void main(String[] args) {
        List<Account> accounts = new ArrayList<>();
        accounts.add(new Account("Alice", 500));
        accounts.add(new Account("Bob", 120.5));

        accounts.get(0).deposit(250);
        boolean ok = accounts.get(1).withdraw(200);
        System.out.println("Bob 取款 200：" + (ok ? "成功" : "失败，余额不足"));

        double total = 0;
        for (Account a : accounts) {
            System.out.printf("%s 余额：%.2f%n", a.getOwner(), a.getBalance());
            total += a.getBalance();
        }
        System.out.printf("银行总存款：%.2f%n", total);
    }
}
