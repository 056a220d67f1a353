// Rule 1017 with CR LF line ends: carriage returns are skipped on the way back to the brace.
class Crlf {
    void f() {
        do {
            work();
        }
        while (x);
        do {
            work();
        }

        while (x); // EXPECT 1017
    }
}
