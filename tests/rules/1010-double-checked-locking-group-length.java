// Rule 1010: the compared text may keep its trailing white space or drop it to match the
// inner test; the text after the inner test needs a "new" and a closing brace after it.
class Lazy {
    Object get() {
        if (inst  == null) { // EXPECT 1010
            synchronized (lock) {
                if (inst  == null) {
                    inst = new Thing();
                }
            }
        }
        if (b == null) // EXPECT 1010
            synchronized (lock) {
                if (b==null) b = new Thing();
            }
        if (c == null) {
            synchronized (lock) {
                if (c == null) {
                    c = create();
                }
            }
        }
        if (if (d == null)
        return inst;
    }
}
