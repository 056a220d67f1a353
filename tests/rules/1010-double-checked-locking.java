// Rule 1010: the broken double-checked locking idiom, reported at the outer if.
class DoubleChecked {
    private static Object instance;

    static Object braces() {
        if (instance == null) { // EXPECT 1010 'Broken double lock idiom.'
            synchronized (DoubleChecked.class) {
                if (instance == null) {
                    instance = new Object();
                }
            }
        }
        return instance;
    }

    static Object noBraces() {
        if (instance == null) // EXPECT 1010
            synchronized (lock) {
                if (instance == null)
                    instance = new Object();
            }
        return instance;
    }

    // The engine gives back the white space before == when the inner check has none.
    static Object tighterInner() {
        if (instance == null) { // EXPECT 1010
            // the lock
            synchronized (lock) {
                if (instance==null) { instance = new Object(); }
            }
        }
        return instance;
    }

    static Object otherVariable() {
        if (instance == null) {
            synchronized (lock) {
                if (other == null) { instance = new Object(); }
            }
        }
        return instance;
    }

    static Object nothingCreated() {
        if (instance == null) {
            synchronized (lock) {
                if (instance == null) { instance = create(); }
            }
        }
        return instance;
    }

    static Object singleCheck() {
        synchronized (lock) {
            if (instance == null) { instance = new Object(); }
        }
        return instance;
    }

    static Object notNull() {
        if (instance != null) {
            synchronized (lock) {
                if (instance != null) { instance = new Object(); }
            }
        }
        return instance;
    }
}
