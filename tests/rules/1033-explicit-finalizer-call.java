// Rule 1033: explicit finalize() calls other than super.finalize().
class FinalizerCalls {
    protected void finalize() throws Throwable {
        super.finalize();
    }
    void reported() throws Throwable {
        finalize(); // EXPECT 1033 'Explicit finalizer call.'
        this.finalize(); // EXPECT 1033
        obj.finalize(); // EXPECT 1033
        a.b.finalize(); // EXPECT 1033
        mysuper.finalize(); // EXPECT 1033
        Super.finalize(); // EXPECT 1033
        // With white space before the dot only the unqualified form matches, at finalize.
        super
            .finalize(); // EXPECT 1033
        super . finalize(); // EXPECT 1033
        obj.finalize(); x.finalize(); // EXPECT 1033 EXPECT 1033
    }
    void notReported() throws Throwable {
        super.finalize();
        obj.finalize( );
        obj.finalize(x);
        obj.finalize ();
        String s = "obj.finalize();";
        // obj.finalize();
    }
    // A declaration without a body looks like a call.
    protected abstract void finalize(); // EXPECT 1033
}
