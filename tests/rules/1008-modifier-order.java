// Rule 1008: modifiers in the wrong order, found in code only.
class Order {
    static public void main(String[] args) {} // EXPECT 1008 'Order of modifiers should be pub pro pri abs sta fin synch nat stri.'
    public static void ok() {}

    // Split over two lines, or with a comment between: reported on the line of the first word.
    final // EXPECT 1008
    static int a;
    final/* between */static int b; // EXPECT 1008
    final	static int c; // EXPECT 1008 (a tab between)

    // Three pairs on one line, and pairs that share a word: the second match starts after the
    // first one ends, so "final static public" is one defect.
    static public final static native final x; // EXPECT 1008 EXPECT 1008 EXPECT 1008
    final static public int d; // EXPECT 1008
    native synchronized final static int e; // EXPECT 1008 EXPECT 1008

    // No word boundaries: parts of longer names count.
    int nonfinal staticCount; // EXPECT 1008
    int finalstatic;

    // Inside literals and comments nothing is seen.
    String s = "static public";
    char c = 's'; // static public
    /* final static */
}
