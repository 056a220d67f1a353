// Rule 1036: the import that repeats the tab in front of the name gives the longer match.
package 	t.u;
import t.u.A;
import		t.u.B; // EXPECT 1036
class C { }
