// Rule 1026 on a file that ends inside a declaration: only a complete match is reported.
class Cut {
    public boolean equals(Cut c) { return true; } // EXPECT 1026
    public boolean equals(Cut c