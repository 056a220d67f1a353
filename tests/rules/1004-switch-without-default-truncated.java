// Rule 1004: a file that ends inside a switch body.
class C {
    void f(int x) {
        switch (x) { // EXPECT 1004
            case 1: