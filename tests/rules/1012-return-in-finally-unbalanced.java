// Rule 1012: a finally block whose braces never balance runs to the end of the text.
class C {
    void f() {
        try { work(); } finally { if (x) { { {
            cleanup();
        }
    }
    int g() { return 1; } // EXPECT 1012
}
