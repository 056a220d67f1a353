// Rule 1012: a return inside a finally block.
class C {
    int a() {
        try { work(); } finally { return 1; } // EXPECT 1012 'Return statement in finally block.'
    }
    int b() {
        try {
            work();
        } finally {
            cleanup();
            return 2; // EXPECT 1012 (the line of return, not of finally)
        }
    }
    void c() {
        // The letters anywhere in the body, also inside a longer word.
        try { work(); } finally { returned = true; } // EXPECT 1012
        // At most one defect for a block.
        try { work(); } finally { if (x) return; return; } // EXPECT 1012
        // No return, or one that is blanked.
        try { work(); } finally { cleanup(); }
        try { work(); } finally { /* return */ cleanup(); }
        try { work(); } finally { log("return"); }
        // A return after the block is not in it.
        try { work(); } finally { cleanup(); } return;
        // A comment between the brace and finally is white space.
        try { work(); } /* done */ finally { return; } // EXPECT 1012
    }
    void d() {
        // The finally must follow a closing brace.
        cleanup(); finally { return; }
    }
    void e() {
        // A finally nested in another: both report the same return.
        try { a(); } finally {
            try { b(); } finally { return; } // EXPECT 1012 EXPECT 1012
        }
    }
    void g() {
        // A finally nested after a return of the outer block.
        try { a(); } finally {
            return; // EXPECT 1012
            try { b(); } finally { c(); }
        }
    }
}
