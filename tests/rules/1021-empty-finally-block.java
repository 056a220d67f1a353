// Rule 1021: finally blocks with nothing but white space and braces, reported at the line of
// the character after the opening brace.
class EmptyFinally {
    void reported() {
        try { work(); } finally { } // EXPECT 1021 'Empty finally block.'
        try { work(); } finally {} // EXPECT 1021
        try { work(); } finally { /* nothing */ } // EXPECT 1021
        try { work(); } catch (Exception e) { log(e); } finally {{ }} // EXPECT 1021
        try { work();
        } finally {
        } // EXPECT 1021 (the brace ends the line above)
        try { work(); } // a comment between counts as white space
        finally { } // EXPECT 1021
    }
    void notReported() {
        try { work(); } finally { close(); }
        try { work(); } finally { ; }
        try { work(); } finally { log("}"); }
        String s = "} finally { }";
        // } finally { }
    }
    void nested() {
        try { work(); } finally { try { x(); } finally { } } // EXPECT 1021 (only the inner one)
    }
}
