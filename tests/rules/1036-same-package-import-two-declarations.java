// Rule 1036: each declaration opens a search of its own; the dot in between ends the first
// match's last part.
package s;
import s.A; // EXPECT 1036
int x = a.b;
package t;
import t.B; // EXPECT 1036
int y = c.d;
