// Rule 1038 on Java its pattern was not written for: what it sees is reported, and the
// search always ends.
@FunctionalInterface
interface Shape {
    double area(int scale);
    default String name(final String prefix) { return prefix; }
    static Shape unit(double side) { return s -> side * s; } // EXPECT 1038
}

// An annotation's own list is taken for the list of what follows it, and the whole body of
// the annotated class is then skipped.
@SuppressWarnings("unchecked") // EXPECT 1038
class Annotated<T extends Comparable<T>> {
    void hidden(int a) { }
}

class Modern<T extends Comparable<T>> {
    @Override public String toString() { return ""; }
    @Deprecated(since = "9") void old(final int a) { } // EXPECT 1038 (the annotation's list)
    <R> R map(final java.util.function.Function<T, R> f) { return null; } // EXPECT 1038

    static int counter;
    static { counter = 1; }

    Runnable task = () -> { work(); };
    Runnable anonymous = new Runnable() { // the anonymous body is skipped
        public void run(int x) { }
    };
    int chosen = switch (counter) { // EXPECT 1038
        case 1 -> 10;
        default -> { yield 0; }
    };
    String block = """
        void quoted(int a) { }
        """;
    enum Kind { A, B; Kind() { } void f(final int x) { } }
}

record Point(int x, int y) { // EXPECT 1038
    Point { if (x < 0) throw new IllegalArgumentException(); }
    static Point origin(int unused) { return new Point(0, 0); }
}

sealed interface Expr permits Num { }
record Num(final int value) implements Expr { }
