}while (x); // EXPECT 1017 (the first character of the text is not looked at)
// Rule 1017: the walk back to a brace stops before the first character of the text.
