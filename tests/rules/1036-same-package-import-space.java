// Rule 1036: a space before the declaration's semicolon is part of the name.
package p.q ;

import p.q.A;
import p.q .B; // EXPECT 1036
