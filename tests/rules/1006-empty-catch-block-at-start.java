catch (Exception e) { }
// Rule 1006: a catch at the very start of the file has no closing brace before it.
