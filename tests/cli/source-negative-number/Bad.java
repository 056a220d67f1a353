package p;

/** @author x */

/**
 * The catch block is empty on purpose.
 * quarvel disable(-1006)
 */
public class Bad {
    private int count;

    public void work() {
        try {
            count++;
        } catch (IllegalStateException e) {
        }
    }
}
