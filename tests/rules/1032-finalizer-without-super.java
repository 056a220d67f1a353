// Rule 1032: a finalizer whose body does not call super.finalize().
class A {
    protected void finalize() throws Throwable { // EXPECT 1032 'finalizer does not call super.finalize().'
        close();
    }
}
class B {
    protected void finalize() throws Throwable {
        close();
        super.finalize();
    }
}
class D {
    // White space inside the call, and a call in a nested block, count.
    protected void finalize ( ) { super . finalize ( ) ; }
    protected void finalize() { if (open) { super.finalize(); } }
}
class E {
    // A longer name that starts with finalize is read as a finalizer.
    protected void finalizeAll() { work(); } // EXPECT 1032
    // Other modifiers are not read.
    public void finalize() { work(); }
}
class F {
    // Reported at the word protected.
    protected // EXPECT 1032
    void finalize() {
        work();
    }
}
class G {
    // The call only in a comment or a string literal, without its semicolon, or after the body.
    protected void finalize() { /* super.finalize(); */ } // EXPECT 1032
    protected void finalize() { log("super.finalize();"); } // EXPECT 1032
    protected void finalize() { super.finalize() } // EXPECT 1032
    protected void finalize() { } void g() { super.finalize(); } // EXPECT 1032
}
abstract class H {
    // A declaration without a body takes the next brace: here the body of g.
    protected void finalize() throws Throwable; // EXPECT 1032
    void g() { work(); }
}
