// Rule 1023 on Java its patterns were not written for: what they see is reported, and the
// search always ends.
interface Service {
    void run(int times);
    default int twice(int value) { int result = value * 2; return result; }
}

record Range(int low, int high) {
    Range {
        if (low > high) throw new IllegalArgumentException();
    }
    int size() { int width = high - low; return width; }
}

class Modern {
    int choose(int k) {
        int r = switch (k) {
            case 1 -> { int t = 2; yield t; } // EXPECT 1023 (yield is not known: "yield t;" looks like a declaration)
            default -> 0;
        };
        java.util.function.IntUnaryOperator op = x -> { int y = x; return y; };
        String text = // EXPECT 1023 (the text block is blanked, so text is never used)
            """
            int hidden = 0;
            """;
        if (k instanceof Integer boxed) { }
        return r + op.applyAsInt(k);
    }

    // Bytes above 127 are not word characters: x counts as used inside éx.
    void accented() {
        int x = 1;
        int éx = 2;
        g(éx);
    }
}
