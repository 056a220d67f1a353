// Rule 1006 with CR LF line ends: the character after a brace that ends its line is the
// carriage return, which still stands on the line of the brace.
class Crlf {
    void f() {
        try { work();
        } catch (Exception e) { // EXPECT 1006
        }
        try { work(); } catch (Exception e) { } // EXPECT 1006
    }
}
