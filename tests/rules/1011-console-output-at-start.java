printStackTrace();
// Rule 1011: at the first byte of the text no byte stands in front of the name.
