// Rule 1035: a byte above 127 is not a word byte, so the word package after it counts.
class épackage p;
