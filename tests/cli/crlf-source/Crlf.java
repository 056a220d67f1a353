package p;

/** @author x */
class Crlf {
    void f() {
        try {
            g();
        } catch (java.io.IOException e) {
        }
    }
}
