// Rule 1007: three lines indented with spaces and three with tabs: a tie counts as spaces.
class Tie {
    int a;
	int b; // EXPECT 1007 'Mixed indentation style. Tab found. (File seems indented with space).'
    int c;
	int d; // EXPECT 1007
    int e;
	int f; // EXPECT 1007
	    int g; // EXPECT 1007 'Mixed indentation style. Tab found. (File seems indented with space).'
}
