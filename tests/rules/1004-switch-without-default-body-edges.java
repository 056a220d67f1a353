// Rule 1004: a default right after the opening brace lies in the body; one right after the
// closing brace does not.
class BodyEdges {
    void f(int x) {
        switch (x) {default: break;}
        switch (x) {default:}
        switch (x) {case 1:} default: // EXPECT 1004
    }
}
