// Rule 1036: a parenthesis between the declaration and the import.
package p.q;

@Deprecated(since = "1")
import p.q.A;
