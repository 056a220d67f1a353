// Rule 1023 on a file that ends inside a method: its body and the scopes in it run to the end
// of the file, and each declaration is examined once.
class Truncated {
    void complete() { int done = 0; } // EXPECT 1023
    void cut() {
        int kept = 1;
        Runnable r = new Runnable() { // EXPECT 1023
            public void run() {
                int lost = 2; // EXPECT 1023
                g(kept);
