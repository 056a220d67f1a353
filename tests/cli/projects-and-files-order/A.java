package p;

/** @author quarvel */
class A {
    void f() {
        System.out.println(1);
    }
}
