// Rule 1019 on a file that ends inside a declaration.
class Cut {
    public int hashcode() { return 0; } // EXPECT 1019
    protected void finalise