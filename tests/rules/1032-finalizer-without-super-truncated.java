// Rule 1032: a finalizer left open by a truncated file runs to the end of the text.
class C {
    protected void finalize() throws Throwable { // EXPECT 1032
        close();
