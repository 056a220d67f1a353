// Rule 1026 on Java its pattern was not written for.
record Point(int x, int y) {
    public boolean equals(Point other) { return x == other.x && y == other.y; } // EXPECT 1026
}
interface Comparable2<T> {
    default public boolean equals(T other) { return false; } // EXPECT 1026
}
class Lambdas {
    java.util.function.BiPredicate<Object, Object> same = (a, b) -> a.equals(b);
    String text = """
        public boolean equals(Foo f)
        """;
}
