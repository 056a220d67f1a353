// Rule 1035: the word package followed by nothing but white space up to the end still counts.
package  
/* the rest is a comment */