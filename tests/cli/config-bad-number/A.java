package p;

/** @author x */
public class A {
    private int count;

    public void work() {
        try {
            count++;
        } catch (IllegalStateException e) {
        }
    }
}
