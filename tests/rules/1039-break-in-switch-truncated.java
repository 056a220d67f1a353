// Rule 1039: a file that ends inside a switch, or right after its opening brace.
class Truncated {
    void m(int k) {
        switch (k) {
        case 1: x = 1;
        case 2: x = 2;
        switch (k) {