// Rule 1040: each call of add reaches only the first semicolon after it, which must follow
// a closing parenthesis directly.
class SharedSemicolon {
    void build() {
        a.add(b) // EXPECT 1040
            .add(c, "North");
        a.add("West", b).add(c); // EXPECT 1040
        a.add(b, "East")
            ;
        put("Center"
            ).add(c);
        a.add(x).add("South" // EXPECT 1040
            );
        b.add(c, "Nort"); c.add("South"); // EXPECT 1040
    }
}
// a trailing .add("North" with no semicolon after it
