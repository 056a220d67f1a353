// Rule 1030 on a file that ends inside a class: its body runs to the end of the file.
class Done extends Thread { public void run() { } } // EXPECT 1030 (Cut's match starts after this brace)
class Cut extends Thread {
    void work() {
        loop();
