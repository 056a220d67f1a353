// Rule 1014: one equals and no hashCode: reported once, at the equals.
class OnlyEquals {
    public boolean equals(Object o) { // EXPECT 1014 'Override both Object.equals() and Object.hashCode()'
        return o == this;
    }
    // Calls and comments do not count: int hashCode()
    int h = other.hashCode();
}
