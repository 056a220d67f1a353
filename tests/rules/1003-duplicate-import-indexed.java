// Rule 1003: only imports of exactly the same name count, up to the first parenthesis or
// opening brace; the longest match decides the line.
import a.B;
import c.D;
import a.B; // EXPECT 1003
import  a.B; // EXPECT 1003
import a.C;
import  e.F;
import e.F;
import  e.F; // EXPECT 1003 EXPECT 1003
class Imports {
}
import c.D;
void m(
import a.C;
