// Rule 1038: a file that ends right after the opening brace has no match (the pattern wants one more character).
class Cut {
    void f(int a) {