// Rule 1004: lines end in CR LF.
class C {
    void f(int x) {
        switch (x) // EXPECT 1004
        {
            case 1:
        }
    }
}
