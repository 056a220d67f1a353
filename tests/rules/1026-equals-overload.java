// Rule 1026: a public boolean equals whose parameter type is written otherwise than Object.
class Overloads {
    public boolean equals(Overloads other) { return true; } // EXPECT 1026 'public boolean equals(Object o) overloaded.'
    public boolean equals(String s); // EXPECT 1026 (a body is not needed)
    public boolean equals(Object... many) { return true; } // EXPECT 1026
    public boolean equals(java.util.List<String> list) { return true; } // EXPECT 1026
    public  boolean // EXPECT 1026 (the line where the match starts)
        equals (Overloads other) { return true; }
}

class Overrides {
    public boolean equals(Object o) { return true; }
    public boolean equals(java.lang.Object o) { return true; }
    public boolean equals(Object	o) { return true; }
}

// The pattern wants one white-space character between type and name, and ")" right after
// the name: other spellings do not match at all.
class NoMatch {
    public boolean equals(final Overloads o) { return true; }
    public boolean equals(Overloads  o) { return true; }
    public boolean equals(Overloads o ) { return true; }
    public boolean equals(@Nullable Overloads o) { return true; }
    public boolean equals(java.util.Map<String, Integer> map) { return true; }
    boolean equals(Overloads o) { return true; }
    public final boolean equals(Overloads o) { return true; }
    public boolean equals( Overloads o) { return true; }
    public boolean equals(Overloads
            o) { return true; }
}
