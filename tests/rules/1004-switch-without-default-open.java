// Rule 1004: a switch whose braces never balance is read up to the end of the text, so
// the default of a later method counts for it.
class C {
    void f(int x) {
        switch (x) {
            case 1: { { {
        }
    }
    void g() { int defaultCount = 0; }
}
