// Rule 1000: the name is the run of word bytes between the last dot and the first
// semicolon after import.
import  .Alone; // EXPECT 1000
import .Single;
import p.Q ;
import p.R
    .S; // EXPECT 1000
import u.Used;
import u.Part; // EXPECT 1000
import v.w.Used;
class Names {
    Used used;
    PartTwo other;
}
