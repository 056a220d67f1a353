// Rule 1032: a call in a finalizer left open by a truncated file counts.
class C {
    protected void finalize() throws Throwable {
        if (open) {
            close();
        }
        super.finalize();
