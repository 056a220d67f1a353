// Rule 1036: a parenthesis or a brace between the declaration and the import.
package p.q;

class K { }
import p.q.A;
