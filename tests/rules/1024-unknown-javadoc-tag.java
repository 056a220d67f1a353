// Rule 1024: block tags in documentation comments that are not known tags.
class Tags {
    /**
     * Known tags, written as usual.
     * @param x the value
     * @return the result
     * @author a @docRoot b @deprecated c @exception d @inheritDoc e @link f
     * @linkplain g @param h @return i @see j @serial k @serialData l
     * @serialField m @since n @throws o @value p @version q
     */
    int known;
    /**
     * @todo fix this
     * @Param and @docroot x
     * @foo @bar: the first match takes the space the second would need
     * @my_tag2	after a tab, then one at the line end: @end
@bare follows a line end that the tag before it took

@solo at the start of a line
     * Not seen: {@link inline}, mail@example.com, @colon: @closer*/
    int unknown;
    /**@glued x */
    /* @plain block comment */
    // /** @inLineComment x */
    String s = "/** @inLiteral x */";
    /**/ int empty; /** @afterEmpty x */
    /** first */ /** @second x */
}
