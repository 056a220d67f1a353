// Rule 1000: the name counts only with a non-word byte on both sides.
package p;

import a.ListX; // EXPECT 1000
import a.Prefixed; // EXPECT 1000
import a.Suffixed; // EXPECT 1000
import a.Under; // EXPECT 1000
import a.Digit; // EXPECT 1000
import a.Generic;
import a.Cast;
import a.Accented;
import a.Leading;
// A name with a byte above 127 in it is not a name this rule reads.
import a.Café;
// Only as the very last bytes of the file: no byte follows, so it is not found.
import a.Last; // EXPECT 1000

class Words {
    ListXY a;
    PrefixedName b;
    MySuffixed c;
    Under_ d;
    Digit2 e;
    java.util.List<Generic> f;
    Object g = (Cast) null;
    Object h = éAccentedé;
    int i = éLeading;
}
Last