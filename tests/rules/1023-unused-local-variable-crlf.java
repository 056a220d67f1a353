// Rule 1023 with CR LF line ends.
class Crlf {
    void f() {
        int unused = 1; // EXPECT 1023
        int used = 2;
        g(used);
        int last = 3; // EXPECT 1023
    }
}
