// Rule 1023: a name may start with an underscore; it is examined like any other.
class Underscores {
    void names() {
        int _unused = 0; // EXPECT 1023 'Unused local variable.'
        int _used = 1;
        String __twice; // EXPECT 1023
        g(_used);
    }
}
