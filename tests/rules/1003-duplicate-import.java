// Rule 1003: an import repeated before the first parenthesis or brace.
package p;

import a.B;
import c.D;
import a.B; // EXPECT 1003 'Duplicate import statement.'
import c.D; // EXPECT 1003
import a.B; // EXPECT 1003 (found again from the second import)
// Wildcard imports never take part.
import e.*;
import e.*;
// Names are compared as written, white space inside included.
import f.
    G;
import f.G;
import f.
    G; // EXPECT 1003
// The repetition is reported where its semicolon stands.
import h.I;
import
    h.I; // EXPECT 1003
// Comments between the two count as white space; a comment holds no import.
/* import a.B; */
import j.K; /* ( */ import j.K; // EXPECT 1003
// An import inside a string is blanked.
String s = "import j.K;";

class Imports {
}
