package p;

/** @author x */
public class B {
    private int count;

    public void work() {
        try {
            count++;
        } catch (IllegalStateException e) {
        }
    }
}
