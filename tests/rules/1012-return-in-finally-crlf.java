// Rule 1012: lines end in CR LF.
class C {
    int f() {
        try { work(); }
        finally {
            return 1; // EXPECT 1012
        }
    }
}
