// Rule 1037: a tag at the very end of the file has no white space after it. EXPECT 1037
/* @author