// Rule 1019: misspelt declarations of equals, finalize and hashCode.
class Misspelt {
    public boolean equal(Object other) { return false; } // EXPECT 1019 'Suspicious method name.'
    protected void finalise() { } // EXPECT 1019
    protected void finallize() { } // EXPECT 1019
    public int hashcode() { return 0; } // EXPECT 1019
    public  int // EXPECT 1019 (the line where the match starts)
        hashcode () { return 0; }
    public boolean equal (Object // EXPECT 1019
            other) { return false; }
    protected void finalise(); protected void finallize(); // EXPECT 1019 EXPECT 1019
}

// The right spellings, other modifiers and other parameter lists are not reported.
class WellSpelt {
    public boolean equals(Object other) { return false; }
    protected void finalize() { }
    public int hashCode() { return 0; }
    private int hashcode() { return 0; }
    public static int hashcode() { return 0; }
    public boolean equal(String other) { return false; }
    public boolean equal( Object other) { return false; }
    public boolean equal(Object) { return false; }
    protected void finalised() { }
    public int hashcodes() { return 0; }
    /* public int hashcode() */
    String text = "protected void finalise()";
}

record Modern(int value) {
    public int hashcode() { return value; } // EXPECT 1019
}
