// Rule 1041: the words are found anywhere in the header, so a name holding Exception stops the
// search even when the class extends something else.
class ExceptionFactory extends Factory {
    class Inner { }
}
class After { }
