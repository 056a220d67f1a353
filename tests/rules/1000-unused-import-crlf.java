// Rule 1000: lines end in CR LF; lines are counted by line feeds.
package p;

import java.util.List;
import java.util.Map; // EXPECT 1000
import
    java.util.Date; // EXPECT 1000

class C {
    List<String> l;
}
