// Rule 1030: a class extending Thread without public void run(). EXPECT 1030 (the first class: nothing but this comment stands before it)
class Worker extends Thread {
    void work() { }
}

// The match reaches back to the nearest brace, so the line reported is the one holding the
// character after that brace: here the brace ends the line of work() below.
class Holder {
    void work() { } // EXPECT 1030 'public void run() not overridden when extending Thread.'

    class Inner extends Thread implements Runnable {
        public synchronized void run() { }
    }
    void more() { }class SameLine extends Thread { } // EXPECT 1030
}

class WithRun extends Thread {
    public void run() { }
}
class SpacedRun extends Thread {
    public  void  run ( ) { }
}
class RunInNestedClass extends Thread {
    class Helper { public void run() { } }
}

// "abstract" anywhere between the nearest brace and "class" keeps the class from being examined.
class Outer {
    abstract void step(); class Step extends Thread { }
    public abstract class Template extends Thread { }
}

// Not a class that extends Thread as written.
class NoMatch {
    class Qualified extends java.lang.Thread { }
    class NoSpace extends Thread{ }
    class Local extends ThreadLocal<String> { }
    class Generic<T> extends Thread { }
    Thread anonymous = new Thread() { };
}

// A class inside a Thread subclass is examined in turn; run() of the inner class counts for
// the outer one as well.
class Parent extends Thread {
    class Child extends Thread {
        public void run() { }
    }
}
class Parent2 extends Thread {
    public void run() { } // EXPECT 1030 (the class after it has no run())
    class Child2 extends Thread { }
}
