// Rule 1035: the white space after the word may be a line end.
package
p;
