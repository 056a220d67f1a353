package shapes;

/** Method and class shapes. */
public class Input {
    private int size;

    public boolean equals(Object other) {
        return other instanceof Input;
    }

    public boolean equals(Input other) {
        return other.size == size;
    }

    public int hashcode() {
        return size;
    }

    int grow(final int by) {
        int unused = by * 2;
        size += by;
        return size;
    }

    void paint(final Object canvas, int color) {
        draw(canvas, color);
    }

    class Worker extends Thread {
        public void start() {
        }
    }

    class Runner extends Thread {
        public void run() {
        }
    }
}
