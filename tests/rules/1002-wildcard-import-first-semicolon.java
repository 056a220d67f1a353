// Rule 1002: the first semicolon after import decides; the star must stand right before it.
import a.b.*; // EXPECT 1002
import c // EXPECT 1002
    .d.*;
import e.*
    ;
import*;
import x*; // EXPECT 1002
class Imports {
    int importance = a *; // EXPECT 1002
}
import g.*
