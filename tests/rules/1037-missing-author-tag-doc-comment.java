// Rule 1037: a documentation comment with the tag after white space satisfies the rule.
class Documented {
    /** @author x */
}
