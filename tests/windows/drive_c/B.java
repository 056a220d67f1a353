package p;
class B {
    int x;
    void f() {
        try {
            g();
        } catch (java.io.IOException e) {}
    }
}
/** @author quarvel */
