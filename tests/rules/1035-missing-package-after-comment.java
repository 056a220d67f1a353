/* Rule 1035: a comment before the declaration is white space in the code view. */package p;
