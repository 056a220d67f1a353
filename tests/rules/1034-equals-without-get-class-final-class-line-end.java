// Rule 1034: "final class" counts wherever it stands, also at the end of a line.
class NotFinal {
    public boolean equals(Object o) { return o instanceof NotFinal; }
}

final class
Elsewhere { }
