// Rule 1034 on Java its patterns were not written for: what they see is reported, and the
// search always ends.
record Point(int x, int y) {
    @Override
    public boolean equals(Object o) { // EXPECT 1034 (a record is final, but the rule cannot tell)
        return o instanceof Point p && p.x == x && p.y == y;
    }
}

sealed interface Shape permits Circle { }

non-sealed class Circle implements Shape {
    @Override public boolean equals(Object o) { // EXPECT 1034
        return switch (o) {
            case Circle c -> true;
            default -> false;
        };
    }
    public boolean equals(Object o) { return o != null && o.getClass() == getClass(); }
}

@SuppressWarnings("unused")
class Generic<T extends Comparable<T>> {
    private static final String TEXT = """
        public boolean equals(Object o) { return true; }
        """;
    // Not examined: the text from the class's brace on holds the "final" of the constant.
    public boolean equals(Object o) {
        java.util.function.Predicate<Object> same = other -> other == this;
        return same.test(o);
    }
}
