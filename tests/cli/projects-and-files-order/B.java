package p;

/** @author quarvel */
class B {
    void f() {
        System.err.println(2);
    }
}
