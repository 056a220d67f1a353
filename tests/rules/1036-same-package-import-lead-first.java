// Rule 1036: when the first import already repeats the white space, it stays the one found.
package   v.w;
import   v.w.A; // EXPECT 1036
import   v.w.B;
class C { }
