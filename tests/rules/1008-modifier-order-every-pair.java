// Rule 1008: every pair of modifiers in the wrong order, one per line.
class EveryPair {
    abstract public void m(); // EXPECT 1008
    static public void m(); // EXPECT 1008
    final public void m(); // EXPECT 1008
    synchronized public void m(); // EXPECT 1008
    native public void m(); // EXPECT 1008
    strictfp public void m(); // EXPECT 1008
    abstract protected void m(); // EXPECT 1008
    static protected void m(); // EXPECT 1008
    final protected void m(); // EXPECT 1008
    synchronized protected void m(); // EXPECT 1008
    native protected void m(); // EXPECT 1008
    strictfp protected void m(); // EXPECT 1008
    abstract private void m(); // EXPECT 1008
    static private void m(); // EXPECT 1008
    final private void m(); // EXPECT 1008
    synchronized private void m(); // EXPECT 1008
    native private void m(); // EXPECT 1008
    strictfp private void m(); // EXPECT 1008
    static abstract void m(); // EXPECT 1008
    final abstract void m(); // EXPECT 1008
    synchronized abstract void m(); // EXPECT 1008
    native abstract void m(); // EXPECT 1008
    strictfp abstract void m(); // EXPECT 1008
    final static void m(); // EXPECT 1008
    synchronized static void m(); // EXPECT 1008
    native static void m(); // EXPECT 1008
    strictfp static void m(); // EXPECT 1008
    synchronized final void m(); // EXPECT 1008
    native final void m(); // EXPECT 1008
    strictfp final void m(); // EXPECT 1008
    native synchronized void m(); // EXPECT 1008
    strictfp synchronized void m(); // EXPECT 1008

    // Four pairs in the wrong order that the rule does not list.
    protected public void m();
    private public void m();
    private protected void m();
    strictfp native void m();

    // Every pair in the right order.
    public protected void m();
    public private void m();
    public abstract void m();
    public static void m();
    public final void m();
    public synchronized void m();
    public native void m();
    public strictfp void m();
    protected private void m();
    protected abstract void m();
    protected static void m();
    protected final void m();
    protected synchronized void m();
    protected native void m();
    protected strictfp void m();
    private abstract void m();
    private static void m();
    private final void m();
    private synchronized void m();
    private native void m();
    private strictfp void m();
    abstract static void m();
    abstract final void m();
    abstract synchronized void m();
    abstract native void m();
    abstract strictfp void m();
    static final void m();
    static synchronized void m();
    static native void m();
    static strictfp void m();
    final synchronized void m();
    final native void m();
    final strictfp void m();
    synchronized native void m();
    synchronized strictfp void m();
    native strictfp void m();
}
