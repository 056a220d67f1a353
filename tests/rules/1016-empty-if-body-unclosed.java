// Rule 1016: a header that never closes gives no defect; the loop goes on inside it.
class Unclosed {
    void f() {
        if (a( if (b); // EXPECT 1016
