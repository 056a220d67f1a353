// Rule 1025: a header that never closes gives no defect; the loop goes on inside it.
class Unclosed {
    void f() {
        for (a(b; ; ) for (;;); // EXPECT 1025
