// Rule 1038 with CR LF line ends: a carriage return is white space for the pattern.
class Crlf {
    void one(int a) { } // EXPECT 1038
    void blank( // EXPECT 1038 (the list holds white space only)
    ) { }
    void fine(final int a,
            final int b) { }
    void finalThenCr(final// EXPECT 1038 (CR LF follows, not a space)
            int a) { }
}
