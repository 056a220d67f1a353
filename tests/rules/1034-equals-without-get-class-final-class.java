// Rule 1034: a final class anywhere in the file silences the rule for every class in it.
class NotFinal {
    public boolean equals(Object o) { return o instanceof NotFinal; }
}

final class Elsewhere { }
