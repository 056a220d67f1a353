// Rule 1013: an operator that ends a longer run of '=' is still found: the search goes on one
// byte after an operator that no quote follows, not past it.
class OperatorRuns {
    void reported() {
        if (x === "a") { } // EXPECT 1013 'String comparison using == or != operator.'
        if (x ===== "a") { } // EXPECT 1013
        if (x !=== "a") { } // EXPECT 1013
    }
    void notReported() {
        if (x === y) { }
        if (x =!= y) { }
    }
}
