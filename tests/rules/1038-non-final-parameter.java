// Rule 1038: parameter lists of constructs with a body in which not every parameter is final.
class Parameters {
    // Every parameter final, or none at all: nothing to report.
    void allFinal(final int a, final int b) { work(a, b); }
    void noParameters() { work(); }
    Parameters(final String name) { this.name = name; }

    // At least one parameter without "final ".
    void one(int a) { work(a); } // EXPECT 1038 'Declare parameters final.'
    void second(final int a, int b) { work(a, b); } // EXPECT 1038
    void both(int a, int b) { } // EXPECT 1038
    void third(final int a, final int b, int c) { } // EXPECT 1038
    Parameters(String name, int size) { } // EXPECT 1038
    void spaced (int a) { } // EXPECT 1038
    void split( // EXPECT 1038 (the line of the method name)
            final int a,
            int b)
            throws java.io.IOException {
    }

    // A list of white space alone is still a list: it holds no "final ".
    void blank( ) { } // EXPECT 1038
    void blankTab(	) { } // EXPECT 1038
    void blankLine( // EXPECT 1038
    ) { }
    void commentOnly(/* nothing */) { } // EXPECT 1038

    // "final" must be followed by a space; a comma inside a type counts as a separator.
    void tab(final	int a) { } // EXPECT 1038
    void finalLine(final// EXPECT 1038 (a line end follows, not a space)
            int a) { }
    void generic(final java.util.Map<String, Integer> m) { } // EXPECT 1038
    void genericWithout(java.util.Map<String, Integer> m) { } // EXPECT 1038
    void finalInComment(/* final */ int a) { } // EXPECT 1038
    void finalInString(@Named("final ") final int a) { } // EXPECT 1038 (the annotation's own list)

    // Bodies are skipped, so statements in them are never taken for declarations.
    void body(final int a) {
        if (a > 0) { work(a); }
        while (next()) { work(); }
        for (int i = 0; i < a; i++) { work(i); }
        new Thread() { public void run(int x) { } };
    }

    // Declarations without a body and calls are no match.
    abstract void noBody(int a);
    int field = compute(3);

    // Outside every matched construct an if statement looks like a declaration.
    static {
        if (ready) { // EXPECT 1038
            work();
        }
    }
    {
        init(x); while (ready) { } // EXPECT 1038
    }

    // Two constructs on one line, each reported.
    void a(int x) { } void b(int y) { } // EXPECT 1038 EXPECT 1038
}
