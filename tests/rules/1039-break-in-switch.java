// Rule 1039: case sections that run into the next label.
class Sections {
    void basics(int k) {
        switch (k) {
        case 1: x = 1; // EXPECT 1039 'No break statement found.'
        case 2: y = 2; break;
        }
        // Stacked labels hold no statement; the default section is never examined.
        switch (k) {
        case 1: case 2: x = 1; break;
        default: y();
        }
        // The last section is never examined.
        switch (k) {
        case 1: x = 1; break;
        case 2: y = 2;
        }
        // Each label opens the next section.
        switch (k) { case 1: a(); case 2: b(); case 3: c(); break; case 4: d(); } // EXPECT 1039 EXPECT 1039
    }

    void terminators(int k) {
        switch (k) {
        case 1: return;
        case 2: throw new Error();
        case 3: for (;;) { if (done()) break; } // a nested loop's word counts
        case 4: while (more()) { continue; }
        case 5: breakPoint = 1; // inside a longer name
        case 6: returned(); break;
        }
    }

    void remarks(int k) {
        switch (k) {
        case 1: x = 1; // fall through
        case 2: x = 2; /* falls through */
        case 3: log("fall through");
        case 4: x = 4; // fallthrough EXPECT 1039
        case 5: x = 5; // Fall through EXPECT 1039
        case 6: s = "break"; // EXPECT 1039 (literal contents are blanked)
        case 7: x = 7; // break, in a comment: blanked too EXPECT 1039
        case 8: x = 8; break;
        }
    }

    void labels(int k) {
        // "default:" ends a section; "default :" does not.
        switch (k) {
        case 1: x = 1; // EXPECT 1039
        default: y = 1; break;
        }
        switch (k) {
        case 1: x = 1;
        default : y = 1; break;
        }
        // A label value with white space cannot end a section, so the section runs on to a
        // later label; a value without it can.
        switch (k) {
        case 1: x = 1;
        case A + 1: y = 1; break;
        case 3: z = 1;
        }
        switch (k) {
        case 1: x = 1; // EXPECT 1039
        case A+1: y = 1; break;
        }
        // The raw text is searched: a label written in a comment ends a section, and the next
        // section starts in the comment.
        switch (k) {
        case 1: a(); /* as in case B: */ b(); // EXPECT 1039 EXPECT 1039
        case 2: c(); break;
        }
    }

    // A switch written in a comment is examined too.
    // switch (k) { case 1: a(); case 2: b(); } EXPECT 1039
}
