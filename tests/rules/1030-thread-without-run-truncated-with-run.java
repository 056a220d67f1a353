// Rule 1030 on a file that ends inside a class that has its run().
class Cut extends Thread {
    public void run() {
        loop();
