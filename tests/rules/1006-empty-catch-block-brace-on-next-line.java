// Rule 1006: the brace of a catch may stand after blank lines, indentation and comments.
class BraceOnNextLine {
    void f() {
        try {
            work();
        } catch (Exception e)
        {
        } // EXPECT 1006 (the brace ends the line above, so this line is reported)
        try {
            work();
        } catch (Exception e)   /* ignored */

            { } // EXPECT 1006
        try {
            work();
        } catch (Exception e)
        {
            log(e);
        }
    }
}
