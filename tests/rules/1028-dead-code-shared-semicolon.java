// Rule 1028: a for header runs from its parenthesis to the first semicolon after it,
// across parentheses, braces and other headers.
class SharedSemicolon {
    void headers() {
        for (a( // EXPECT 1028
            for (b; false; c) { }
        for (x) { } // EXPECT 1028
        for (y; false; z) { }
        for (p; q; r) { }
        for (u;false;) { } // EXPECT 1028
    }
    void tail() {
        while (false) { } // EXPECT 1028
        for ( /* no semicolon from here on */
        if (false) { } // EXPECT 1028
        while(false) { } // EXPECT 1028
    }
}
