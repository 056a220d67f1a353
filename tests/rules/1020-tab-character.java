// Rule 1020: one defect per line that holds a tab outside comments and literals.
class Tabs {
	int a;		int b; // EXPECT 1020 'Tab found. Prefer space when indenting source code.'
    int c =	1; // EXPECT 1020 (not indentation, still reported)

    // Tabs inside literals and comments are not seen.
    String s = "	a	b";
    char t = '	';
    // a	tab in a line comment
    /* a	tab
	in a block comment */
    String u = "a literal over
	two lines";

    // A tab right after a comment or a literal is code.
    int d; /* x */	int e; // EXPECT 1020
    String v = "x"	; // EXPECT 1020
}	// EXPECT 1020 (a tab before a comment)
	// EXPECT 1020 (a file that ends without a line feed)