// Rule 1017: while statements whose body is an empty statement, reported at the keyword,
// except the while that closes a do statement.
class EmptyWhile {
    void reported() {
        while (x); // EXPECT 1017 'while statement with empty body.'
        while (x) ; // EXPECT 1017
        while (it.next() != null); // EXPECT 1017 (parentheses nest)
        while (x) // EXPECT 1017
            /* nothing */ ;
        ;while (x); // EXPECT 1017 (a semicolon may stand before while)
        do work(); while (x); // EXPECT 1017 (no brace before while)
    }
    void notReported() {
        while (x) { }
        while (x) work();
        awhile (x);
        // while (x);
        String s = " while (x);";
    }
    void doStatements() {
        do { work(); } while (x);
        do {
            work();
        } while (x);
        do {
            work();
        }
        while (x);
        do {
            work();
        } // a comment between counts as white space
        while (x);
        do {
            work();
        }

        while (x); // EXPECT 1017 (a blank line between the brace and while)
    }
}
