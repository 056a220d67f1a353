package p;

/** @author x */
// quarvel disable(1006)
public class A {
    private int count;

    public void work() {
        try {
            count++;
        } catch (IllegalStateException e) {
        }
    }
}
