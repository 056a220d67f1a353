// Rule 1037: the only author tag is in a line comment, which does not count. EXPECT 1037
// @author somebody
class LineComment {
    String s = "/** @author in a literal */";
    /* @authors is another word */
    /**@author glued to the opener*/
    /** @author:colon */
}
