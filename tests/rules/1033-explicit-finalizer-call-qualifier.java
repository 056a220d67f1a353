// Rule 1033: the qualifier is the whole word before the dot; only exactly super is accepted.
class Qualifiers {
    void m() {
        xsuper.finalize(); // EXPECT 1033
        super.finalize();
        super.finalize();super.finalize();
        (super).finalize(); // EXPECT 1033
        a.b.finalize(); // EXPECT 1033
        refinalize(); // EXPECT 1033
        super . finalize(); // EXPECT 1033
        super_.finalize(); // EXPECT 1033
    }
}
