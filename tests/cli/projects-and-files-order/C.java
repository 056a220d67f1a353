package p;

/** @author quarvel */
class C {
    void f() {
        int unused = 3;
    }
}
