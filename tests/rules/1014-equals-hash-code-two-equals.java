// Rule 1014: two equals and one hashCode: one defect, at the second equals.
class First {
    public boolean equals(Object o) { return true; }
    public int hashCode() { return 1; }
}
class Second {
    public boolean // EXPECT 1014 (where the match starts)
        equals( Object
                other) {
        return false;
    }
}
