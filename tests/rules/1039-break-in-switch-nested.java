// Rule 1039: nested switches are blanked for the switch around them and examined on their own.
class Nested {
    void twoDeep(int a, int b, int c) {
        switch (a) {
        case 1:
            count++;
            switch (b) {
            case 10:
                prepare();
                switch (c) {
                case 100: x(); break;
                case 101: y();
                case 102: z(); break;
                }
            case 11: w(); break;
            }
        case 2: v();
        case 3: u(); break;
        }
    }
    void innerBreakDoesNotHide(int a, int b) {
        switch (a) {
        case 1: x(); switch (b) { case 1: break; default: break; }
        case 2: y(); break;
        }
    }
}
