// Rule 1037: any block comment counts, and a line end counts as white space after the tag.
class Block {
    /*
     *	@author
     */
}
