package demo;

import java.util.List;
import java.util.Map;
import java.util.List;

/**
 * Holds one or more of every construct that the pattern and block rules report.
 */
public class Input {
    private static Input instance;

    public static Input getInstance() {
        if (instance == null) {
            synchronized (Input.class) {
                if (instance == null) {
                    instance = new Input();
                }
            }
        }
        return instance;
    }

    public boolean equals(Object other) {
        return other == this;
    }

    public boolean check(boolean flag, String text) {
        if (flag == true) {
            return text == "yes";
        }
        if (flag != false) {
            Assert.assert(flag);
        }
        if (false) {
            return false;
        }
        return flag;
    }

    public int loops(int count) {
        for (int i = 0; i < count; i++);
        while (count-- > 0);
        if (count > 0);
        do {
            count++;
        } while (count < 10);
        return count;
    }

    public void blocks() {
        try {
            work();
        } catch (IllegalStateException e) {
        } finally {
        }
    }

    public void cleanUp() throws Throwable {
        this.finalize();
    }

    protected void finalize() throws Throwable {
        super.finalize();
    }

    static class Marker {
    }
}
