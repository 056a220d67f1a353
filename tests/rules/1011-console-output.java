// Rule 1011: output on the standard streams, or a stack-trace print.
class C {
    void f(Exception e) {
        System.out.println("x"); // EXPECT 1011 'Output on System.out or System.err.'
        System.err.print(1); // EXPECT 1011
        System.out.printf("%d", 1); // EXPECT 1011
        e.printStackTrace(); // EXPECT 1011
        // The byte in front of the name may be any byte.
        myprintStackTrace(); // EXPECT 1011
        System.out.println(); System.err.println(); // EXPECT 1011 EXPECT 1011
        // Other calls, or the stack trace not written exactly so.
        System.out.flush();
        e.printStackTrace(System.err);
        e.printStackTrace ( );
        System.out . println();
        System.out.
            println();
        // Blanked: inside a comment or a string literal.
        // System.out.println("comment");
        String s = "System.out.println";
        // A comment between a line and the call: the match starts at the line feed ending the
        // line above, so that line is reported.
        e. // EXPECT 1011
printStackTrace();
    }
}
