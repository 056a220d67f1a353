// Rule 1036: an import repeats the package only when the text before its last dot is the
// package name.
package a.b;
package a.b;
import a.b.c.D;
import a.b.C; // EXPECT 1036
import a.b.E;
class Imports {
}
