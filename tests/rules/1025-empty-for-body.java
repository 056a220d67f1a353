// Rule 1025: for statements whose body is an empty statement, reported at the keyword.
class EmptyFor {
    void reported() {
        for (;;); // EXPECT 1025 'for statement with empty body.'
        for (int i = 0; i < n; i++) ; // EXPECT 1025
        for (int i = 0; i < f(g(n)); i++); // EXPECT 1025 (parentheses nest)
        for (int i = 0; i < ")".length(); i++); // EXPECT 1025 (a parenthesis in a literal is blanked)
        for (Node n = head; n != null; n = n.next) // EXPECT 1025
            /* nothing */ ;
        for // EXPECT 1025
            (;;)
            ;
    }
    void notReported() {
        for (;;) { }
        for (;;) work();
        for (String s : names) { use(s); }
        {for (;;);}
        x = (for(;;););
        // for (;;);
        String s = " for (;;);";
    }
}
