// Rule 1036: lines end in CR LF.
package p.q;

import p.q.A; // EXPECT 1036
class C { }
