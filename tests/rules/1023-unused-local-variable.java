// Rule 1023: a name declared in a method body that does not occur again in its block.
class Locals {
    void unused() {
        int x = 1; // EXPECT 1023 'Unused local variable.'
        String name; // EXPECT 1023
        var inferred = compute(); // EXPECT 1023
        int	tabbed=2; // EXPECT 1023
    }

    void used() {
        int x = 1;
        g(x);
        int count;
        count++;
        Object self = this; self.hashCode();
        for (int i = 0; i < 3; i++) { }
    }

    // The name must stand between two non-word characters; a longer word does not count.
    void longerWords() {
        int total = 0; // EXPECT 1023
        int subtotal = total_ + totals;
        g(subtotal);
    }

    // A use after the block that declares the name is outside its scope.
    void scope() {
        {
            int inner = 1; // EXPECT 1023
        }
        g(inner);
        if (ready) { int local = 2; } else { g(local); } // EXPECT 1023
        int outer = 3;
        { { g(outer); } }
    }

    // Statements that look like declarations are not candidates.
    int statements(int value, Exception e) {
        if (value > 0) return value;
        if (value < 0) throw e;
        while (true) { break outer; }
        for (;;) { continue outer; }
        if (value == 0) { work(); } else value = 1;
        return value;
    }

    // Any other word before a name and ";" or "=" makes a candidate.
    boolean typeTest(Object o) {
        return o instanceof Locals; // EXPECT 1023 (Locals reads as a name declared here)
    }

    // Two names in one declaration, and names that only a comment or a literal holds.
    void notDeclarations() {
        int a, b;
        int c = 0; // EXPECT 1023 (c below is in a comment)
        // g(c);
        String d = "d"; // EXPECT 1023
        g("d");
        char e = 'e'; // EXPECT 1023
    }

    // A name right against the brace that closes its block (not Java) is not found.
    void againstTheBrace() {
        int z = 0; z} // EXPECT 1023
    void againstTheBrace2() { int y = 0; {y} }

    // Each declaration is reported once, even when its line holds several.
    void sameLine() { int p = 1; int q = 2; } // EXPECT 1023 EXPECT 1023
}
