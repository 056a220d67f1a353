// Rule 1000: an import whose simple name does not occur again after it.
package p;

// A later use in a declaration or an expression.
import java.util.List;
import java.util.Collections;
// Never used again.
import java.util.Map; // EXPECT 1000 'Unused import statement.'
// Only in a comment or a string literal after the import: those are blanked.
import java.util.Set; // EXPECT 1000
import java.util.Deque; // EXPECT 1000
// Only in a later import: the first counts as used, the last one is reported.
import a.Queue;
import b.Queue; // EXPECT 1000
// Only before its own import.
class Before { Early early; }
import c.Early; // EXPECT 1000
// Only inside the import itself: the search starts at its semicolon.
import Self.Self; // EXPECT 1000
// The semicolon of the import is the byte in front of a use right after it.
import d.Glued;Glued g;
// Two on one line.
import e.One; import e.Two; // EXPECT 1000 EXPECT 1000
// Reported at the end of the name, not at the word import.
import
    f.g.Split; // EXPECT 1000
// A static import names a member.
import static java.lang.Math.max;
// A wildcard import has no name after its last dot.
import java.io.*;
// A comment between the last dot and the name: not an import this rule reads.
import h./* gap */Gap;

class Uses {
    List<String> names = Collections.emptyList(); // Set
    String text = "Deque";
    int biggest = max(1, 2);
}
