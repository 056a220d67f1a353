// Rule 1036: the white space taken into the name must be repeated byte for byte.
package 	t.u;
import t.u.A; // EXPECT 1036
import		 t.u.B;
class C { }
