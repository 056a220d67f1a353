package p;

/** @author quarvel */
class A {
    void f(final int x) {
        try { g(); } catch (java.io.IOException e) { }
    }
}
