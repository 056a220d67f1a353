// Rule 1003: with two spaces after the first import, the name may start with a space and is
// then repeated only by the third import; the longer match is taken, so the third import is
// reported twice: once from the first import and once from the second.
import  a.B;
import a.B;
import  a.B; // EXPECT 1003 EXPECT 1003
// A single space after the first import leaves no choice.
import c.D;
import  c.D; // EXPECT 1003
// The white space the name takes is compared byte for byte: space and tab, then two spaces,
// then space and tab again.
import 	e.F;
import  e.F;
import 	e.F; // EXPECT 1003 EXPECT 1003
