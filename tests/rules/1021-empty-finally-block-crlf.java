// Rule 1021 with CR LF line ends: the character after a brace that ends its line is the
// carriage return, which still stands on the line of the brace.
class Crlf {
    void f() {
        try { work();
        } finally { // EXPECT 1021
        }
    }
}
