// Rule 1036: two spaces after package; the longest match takes a later import that also
// has two spaces, over an earlier one with one.
package  r.s;
import r.s.A;
import  r.s.B; // EXPECT 1036
class C { }
