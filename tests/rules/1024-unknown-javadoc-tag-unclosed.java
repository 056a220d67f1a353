// Rule 1024: a documentation comment left open ends the examination.
class Unclosed {
    /**
     * @early
     */
    int x;
    /** @late x
     * @later y
