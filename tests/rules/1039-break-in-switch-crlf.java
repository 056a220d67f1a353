// Rule 1039: carriage return and line feed ends; a switch whose closing brace is never found
// yields nothing, and the switches after it are still examined.
class Crlf {
    void m(int k) {
        switch (k) {
        case 1:
            x = 1;
        case 2:
            break;
        }
    }
}
class Open {
    void m(int k) {
        switch (k) {
        case 1: s = "{{{";
        case 2: break;
        }
        switch (k) {
        case 1: x = 1;
        case 2: break;
        }
    }
}
