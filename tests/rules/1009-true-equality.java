// Rule 1009: equality comparisons with the literal true, reported where the match starts.
class TrueEquality {
    void reported() {
        if (x == true) { } // EXPECT 1009
        if (true == x) { } // EXPECT 1009
        if (x==true) { } // EXPECT 1009
        if (true==x) { } // EXPECT 1009
        if (x == /* c */ true) { } // EXPECT 1009
        if (x == // EXPECT 1009 (the line of ==)
            true) { }
        if (a == true && true == b) { } // EXPECT 1009 EXPECT 1009
        // No word boundary is tested.
        if (x == trueValue) { } // EXPECT 1009
        if (istrue == x) { } // EXPECT 1009
    }
    void notReported() {
        if (x != true) { }
        if (x = true) { }
        if (x == True) { }
        if (x == "true") { }
        // x == true
        /* true == x */
    }
    void overlapping() {
        // The second true belongs to the match of the first one.
        if (true == true) { } // EXPECT 1009
    }
}
