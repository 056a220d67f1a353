package p;

/** @author x */
// quarvel disable()
public class Bad {
    private int count;

    public void work() {
        try {
            count++;
        } catch (IllegalStateException e) {
        }
    }
}
