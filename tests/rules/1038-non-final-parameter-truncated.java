// Rule 1038 on a file that ends inside a method: the method is still reported, and the
// search goes on inside its body, since there is no closing brace to resume at.
class Truncated {
    void complete(final int a) { if (a > 0) { work(); } }
    void cut(int a) { // EXPECT 1038
        if (a > 0) { // EXPECT 1038
            work(a);
        }
        for (int i = 0; i < a; i++) { // EXPECT 1038
            call(i
