/*
 * 第二周作业：摄氏温度转华氏温度
 * 开发环境：NetBeans 12，JDK 17
 */
package com.example.homework;

/**
 *
 * @author 李明
 */
public class TemperatureConverter {

    /**
     * @param args the command line arguments
     */
    public static void main(String[] args) {
        double[] celsius = {-10, 0, 36.6, 100};
        for (double c : celsius) {
            double f = c * 9 / 5 + 32;
            System.out.printf("%.1f°C = %.1f°F%n", c, f);
        }
    }
    
}
