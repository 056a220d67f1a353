// Rule 1036: an import of a class from the file's own package.
package p.q;

// The first import that names the package is reported; the search then needs another
// declaration, so the second one is not.
import p.q.A; // EXPECT 1036 'Importing classes from current package.'
import p.q.B;
