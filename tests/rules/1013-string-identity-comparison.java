// Rule 1013: a string literal compared with == or !=; the quotes stay in the code view.
class StringIdentity {
    void reported() {
        if (s == "abc") { } // EXPECT 1013 'String comparison using == or != operator.'
        if ("abc" != s) { } // EXPECT 1013
        if (s != "") { } // EXPECT 1013
        if ("abc"==s) { } // EXPECT 1013
        if (s == /* c */ "x") { } // EXPECT 1013
        if (s != // EXPECT 1013 (the line of the operator)
            "x") { }
        if ("x" // EXPECT 1013 (the line of the quote)
            == s) { }
        if ("a" == "b") { } // EXPECT 1013 (one match: the second quote pair follows the first)
        if (s == "a" || t != "b") { } // EXPECT 1013 EXPECT 1013
    }
    void notReported() {
        if (c == '"') { }
        if (s.equals("abc")) { }
        String t = "a == b";
        String u = "a" + "b";
        boolean v = s.length() == 3;
        // s == "abc"
    }
}
