// Rule 1015: a call of a method named assert through a qualifier.
class AssertMethod {
    void reported() {
        Assert.assert(x); // EXPECT 1015 'assert is a keyword in JDK1.4.'
        this. assert(x); // EXPECT 1015
        checker
            .assert(x); // EXPECT 1015 (the line of the dot)
        a. /* c */ assert(x); b.assert(y); // EXPECT 1015 EXPECT 1015
        obj.reassert(x).assert(y); // EXPECT 1015
    }
    void notReported() {
        assert(x);
        Assert.assert (x);
        Assert.assertTrue(x);
        String s = "Assert.assert(x)";
        // Assert.assert(x);
    }
}
