// EXPECT 1035 'No package declaration found.' (a package word only in comments and literals)
// package p;
/* package q; */
class C {
    String s = "package r;";
    // Joined to a longer word, or not followed by white space.
    int mypackage = 0;
    int packages;
    void f() { package; }
}
