// Rule 1034: an equals(Object) method with a body that never calls getClass(), in a file
// without a final class. (A "final class" in a comment or a literal does not count.)
class WithInstanceof {
    private int value;

    public boolean equals(Object o) { // EXPECT 1034 'Compare classes using getClass() in non-final equals method.'
        return o instanceof WithInstanceof;
    }
}

class WithGetClass {
    public boolean equals(Object o) {
        return o != null && getClass() == o.getClass();
    }
}

class SpacedGetClass {
    public boolean equals(Object other) { return getClass ( ) == other.getClass(); }
}

// getClass only in a comment, or called with an argument, does not count.
class GetClassInComment {
    public boolean equals(Object o) { /* getClass() */ return false; } // EXPECT 1034
    public boolean equals(Object o) { return getClass(o) == null; } // EXPECT 1034
}

// The line of the word equals is reported.
class Split {
    public boolean
        equals(Object o) { // EXPECT 1034
        return true;
    }
}

// "final" in front of the method, or anywhere between the previous semicolon or brace
// without "(" in between and "boolean", keeps the method from being examined.
class FinalMethod {
    public final boolean equals(Object o) { return true; }
}
class FinalField {
    private final int x = 1; public boolean equals(Object o) { return true; }
}
class FinalFieldBeforeMethod {
    private final int x;
    int hash() { return 0; }
    public boolean equals(Object o) { return true; } // EXPECT 1034 (the brace of hash() is nearer)
}

// Not an equals(Object) method with a body.
abstract class NoMatch {
    public abstract boolean equals(Object o);
    public boolean equals(Object o, Object p) { return true; }
    public boolean equals(final Object o) { return true; }
    public boolean equals(Object) { return true; }
    public boolean equals(String o) { return true; }
    public boolean equals(java.lang.Object o) { return true; }
}

// Matches resume right after the opening brace, so an equals inside an equals is examined.
class Nested {
    public boolean equals(Object o) {
        Object probe = new Object() {
            public boolean equals(Object p) { return true; } // EXPECT 1034
        };
        return getClass() == o.getClass();
    }
}

class ThrowsClause {
    public boolean equals(Object o) throws IllegalStateException { return true; } // EXPECT 1034
}
