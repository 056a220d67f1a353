// Rule 1016: if statements whose body is an empty statement, reported at the keyword.
class EmptyIf {
    void reported() {
        if (x); // EXPECT 1016 'if statement with empty body.'
        if (x) ; // EXPECT 1016
        if (a(b(c))); // EXPECT 1016 (parentheses nest)
        if (x) // EXPECT 1016
            /* nothing */ ;
        if (x) work(); else if (y); // EXPECT 1016
        {if (x);} // EXPECT 1016 (a brace may stand before if)
        }if (x); // EXPECT 1016
    }
    void notReported() {
        if (x) {}
        if (x) work();
        ;if (x);
        elif (x);
        // if (x);
        String s = " if (x);";
    }
}
