// Rule 1036: only the package itself followed by one dotless part.
package p.q;

// A subpackage's class is skipped; the wildcard import of the package is found.
import p.q.sub.C;
import p.q.*; // EXPECT 1036
