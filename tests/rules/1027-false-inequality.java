// Rule 1027: inequality comparisons with the literal false, reported where the match starts.
class FalseInequality {
    void reported() {
        if (x != false) { } // EXPECT 1027
        if (false != x) { } // EXPECT 1027
        if (x!=false) { } // EXPECT 1027
        if (x != /* c */ false) { } // EXPECT 1027
        if (x != // EXPECT 1027 (the line of !=)
            false) { }
        if (a != false || false != b) { } // EXPECT 1027 EXPECT 1027
        // No word boundary is tested.
        if (flag != falseValue) { } // EXPECT 1027
        if (isfalse != x) { } // EXPECT 1027
    }
    void notReported() {
        if (x == false) { }
        if (x ! = false) { }
        if (x != False) { }
        if (x != "false") { }
        // x != false
        /* false != x */
    }
    void overlapping() {
        // The second false belongs to the match of the first one.
        if (false != false) { } // EXPECT 1027
    }
}
