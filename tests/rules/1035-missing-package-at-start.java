package p;
// Rule 1035: the word package at the very first byte of the text.
class C { }
