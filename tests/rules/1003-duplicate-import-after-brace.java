// Rule 1003: a parenthesis or an opening brace between two imports hides the repetition.
import a.B;
@Deprecated("x")
import a.B;
import c.D;
class C {
import c.D;
}
import e.F;
void f();
import e.F;
