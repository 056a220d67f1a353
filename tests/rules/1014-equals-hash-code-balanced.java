// Rule 1014: only the counts over the whole file are compared, so an equals in one class and
// a hashCode in another give no defect.
class OnlyEquals {
    public boolean equals(Object o) { return true; }
}
class OnlyHashCode {
    public int hashCode() { return 1; }
}
// Neither pattern matches these: final before Object, a qualified Object, a space inside ().
class NotCounted {
    public boolean equals(final Object o) { return true; }
    public boolean equals(java.lang.Object o) { return true; }
    public int hashCode( ) { return 1; }
}
