// Rule 1036: the last part runs on over later text to the last semicolon before the next
// dot, so the line reported can be a later one.
package r;
import r.Only;
class C {
    int a;
    int b; // EXPECT 1036
    String s = x.y;
}
