// Rule 1004: a switch on one word whose body holds no "default".
class C {
    void f(int x, int y) {
        switch (x) { case 1: break; } // EXPECT 1004 'No default case found in switch block.'
        switch (x) { case 1: break; default: break; }
        switch(x){} // EXPECT 1004
        switch ( x ) { case 1: } // EXPECT 1004
        switch () { } // EXPECT 1004
        // Only a one-word expression is read.
        switch (getX()) { case 1: }
        switch (a.b) { case 1: }
        switch (x + 1) { case 1: }
        // Any occurrence of the letters counts.
        switch (x) { case 1: int defaultValue = 0; }
        // Blanked: a default in a comment or a string literal does not count.
        switch (x) { case 1: /* default */ } // EXPECT 1004
        switch (x) { case 1: s = "default"; } // EXPECT 1004
        // A default after the closing brace does not count.
        switch (x) { case 1: } int d = defaultCount; // EXPECT 1004
        // Reported at the word switch.
        switch (x) // EXPECT 1004
        {
            case 1:
        }
        // A default of a nested switch counts for the outer one; each switch is examined.
        switch (x) {
            case 1:
                switch (y) { default: }
        }
        switch (x) { // EXPECT 1004
            case 1:
                switch (y) { case 2: } // EXPECT 1004
        }
        switch (x) { case 1: } switch (y) { case 2: } // EXPECT 1004 EXPECT 1004
    }
}
