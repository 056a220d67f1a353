package p;

/**
 * A class without defects, as it is on disk.
 *
 * @author quarvel
 */
public class Clean {
    private int count;

    public int next(final int step) {
        count = count + step;
        return count;
    }
}
