// Rule 1017: a header that never closes gives no defect; the loop goes on inside it.
class Unclosed {
    void f() {
        while (a( while (b); // EXPECT 1017
