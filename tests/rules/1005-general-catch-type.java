// Rule 1005: a catch clause whose type is too general.
class C {
    void f() {
        try { a(); } catch (Exception e) { } // EXPECT 1005 'Type in catch clause too general.'
        try { a(); } catch (final Throwable t) { } // EXPECT 1005
        try { a(); } catch (RuntimeException e) { } // EXPECT 1005
        try { a(); } catch (Error e) { } // EXPECT 1005
        try { a(); } catch (final Error e) { } // EXPECT 1005
        // A specific type, or a qualified name.
        try { a(); } catch (IOException e) { }
        try { a(); } catch (java.lang.Exception e) { }
        // No word boundary after the type: a longer name that starts with one matches.
        try { a(); } catch (ExceptionInInitializerError e) { } // EXPECT 1005
        try { a(); } catch (Exception | Error e) { } // EXPECT 1005
        // The catch must follow a closing brace.
        a(); catch (Exception e) { }
        // Comments before the type are white space.
        try { a(); } /* one */ catch /* two */ ( /* three */ Throwable t) { } // EXPECT 1005
        // Reported at the type, not at the word catch.
        try { a(); } catch (
            Exception e) { } // EXPECT 1005
        try { a(); }
        catch (Exception e) { } // EXPECT 1005
        // With final, reported at the word final.
        try { a(); } catch (final // EXPECT 1005
            RuntimeException e) { }
        // The word final needs white space after it.
        try { a(); } catch (finalException e) { }
        // Blanked: inside a comment.
        // try { a(); } catch (Exception e) { }
    }
}
