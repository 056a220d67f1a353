// Rule 1031: a body that never closes gives no defect.
class Unclosed {
    protected void finalize() throws Throwable { super.finalize();
