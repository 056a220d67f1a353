// Rule 1006: the parameters of a catch run to the first parenthesis that a block follows.
class SharedParenthesis {
    void m() {
        try {
        } catch (Odd
        } catch (Even e) { } // EXPECT 1006
        try {
        } catch (A e) {
            work();
        } catch (B e) {} // EXPECT 1006
    }
}
