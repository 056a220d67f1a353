// Rule 1018: a throw whose type is too general.
class C {
    void f() throws Exception { // a throws clause is not a throw
        throw Error; // EXPECT 1018 'Type in throw statement too general.'
        throw Exception; // EXPECT 1018
        throw RuntimeException; // EXPECT 1018
        throw Throwable; // EXPECT 1018
        // The word after throw must be the type: a new expression is not read.
        throw new RuntimeException();
        throw e;
        throw(Exception) e;
        // No word boundaries: a longer word before or after matches.
        throw ExceptionFactory.make(); // EXPECT 1018
        rethrow Throwable; // EXPECT 1018
        // A comment after throw is white space; reported at the type.
        throw /* c */ Error; // EXPECT 1018
        throw
            Exception; // EXPECT 1018
        // Blanked: inside a comment or a string literal.
        // throw Error;
        String s = "throw Error";
    }
}
