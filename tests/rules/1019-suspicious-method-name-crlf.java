// Rule 1019 with CR LF line ends: carriage returns are white space.
class Crlf {
    public boolean equal(Object // EXPECT 1019
            other) { return false; }
    protected void // EXPECT 1019
    finalise
    () { }
}
