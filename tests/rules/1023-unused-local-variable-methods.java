// Rule 1023: which bodies are examined. Only a word directly followed by "(" and, after the
// list, a "{" before any ";" starts a method body.
abstract class Bodies {
    abstract void noBody(int unusedParameter);
    void spaced () { int notExamined = 0; }
    void examined() { int unused1 = 0; } // EXPECT 1023

    // The body of a local or anonymous class belongs to the method around it and is
    // examined once, as part of that method.
    void outer() {
        class Local {
            void inner() { int deep = 0; } // EXPECT 1023
        }
        Runnable r = new Runnable() { // EXPECT 1023 (r is never used)
            public void run() { int insideRun = 1; } // EXPECT 1023
        };
    }

    // A field initializer with a call and a body is examined like a method.
    Object anonymous = new Object() {
        int field = 1; // EXPECT 1023 (taken for a local)
    };

    // A static initializer has no parameter list: its body is not examined.
    static {
        int staticLocal = 1;
    }
}

// An annotation with a list in front of a class makes the class body look like a method body.
@SuppressWarnings("unused")
class Annotated {
    int counter; // EXPECT 1023
    private java.util.List<String> names; // generic types are never candidates
}
