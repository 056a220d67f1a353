// Rule 1029: an if whose condition is the literal true.
class C {
    void f(boolean trueValue, boolean x) {
        if (true) { g(); } // EXPECT 1029 'Unnecessary if statement.'
        if( true ) g(); // EXPECT 1029
        // Another condition, or true as part of one.
        if (trueValue) g();
        if (true && x) g();
        if (x == true) g();
        // Blanked: inside a comment or a string literal.
        // if (true) g();
        h("if (true)");
        if ("true") g();
        // A comment around true is white space.
        if (/* always */ true) g(); // EXPECT 1029
        // Reported at the word if.
        if // EXPECT 1029
        (
            true
        ) g();
        // No word boundary in front: a call to verif(true) matches too.
        verif(true); // EXPECT 1029
        if (true) g(); if (true) h(); // EXPECT 1029 EXPECT 1029
    }
}
