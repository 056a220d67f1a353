// Rule 1031: finalizers whose body only calls super.finalize(), reported at protected.
class OneLine {
    protected void finalize() throws Throwable { super.finalize(); } // EXPECT 1031 'finalizer implements default behaviour.'
}
class Spread {
    protected   void // EXPECT 1031
        finalize ( )
        throws Throwable
    {
        // nothing else
        super . finalize ( ) ;
    }
}
class ExtraBraces {
    protected void finalize() throws Throwable { { super.finalize(); } } // EXPECT 1031
}
class DoesMore {
    protected void finalize() throws Throwable { close(); super.finalize(); }
}
class CallsTwice {
    protected void finalize() throws Throwable { super.finalize(); super.finalize(); }
}
class EmptyBody {
    protected void finalize() throws Throwable { }
}
class NotProtected {
    public void finalize() throws Throwable { super.finalize(); }
}
class Commented {
    // protected void finalize() { super.finalize(); }
}
// The pattern bounds neither the name nor the parameter list.
class LongerName {
    protected void finalizeAll() { super.finalize(); } // EXPECT 1031
}
