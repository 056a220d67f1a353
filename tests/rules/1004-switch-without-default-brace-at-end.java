// Rule 1004: a file that ends at the opening brace has no byte after it to match.
class C {
    void f(int x) {
        switch (x) { case 1: } // EXPECT 1004
        switch (y) {