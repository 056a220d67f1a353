// Rule 1012: a finally block left open by a truncated file runs to the end of the text.
class C {
    void f() {
        try { work(); } finally { cleanup(); }
        try {
            work();
        } finally {
            cleanup();
            return; // EXPECT 1012
