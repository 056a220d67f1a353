// Rule 1014: more hashCode than equals: one defect, at the last hashCode.
class First {
    public boolean equals(Object o) { return true; }
    public int hashCode() { return 1; }
}
class Second {
    public native int hashCode();
}
class Third {
    public int hashCode() { return 3; } // EXPECT 1014
}
