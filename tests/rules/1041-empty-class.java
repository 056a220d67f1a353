// Rule 1041: classes whose body holds nothing but white space and braces, reported at the
// class keyword.
class Empty {} // EXPECT 1041 'Empty class found.'
class Blank { // EXPECT 1041
    // only a comment
}
public final class Wrapped // EXPECT 1041 (the line of class, not of the brace)
    implements java.io.Serializable
{
}
class Outer { class Inner { } } // EXPECT 1041 (only the inner class is empty)
class Generic<T extends Comparable<T>> { {} } // EXPECT 1041
// One of the two words alone does not stop the search.
class Handler extends Base { } // EXPECT 1041
class Holder implements ExceptionListener { } // EXPECT 1041
class Full { int x; }
class WithMethod { void f() { } }
interface NotAClass { }
class Literal {
    void f() {
        // No word boundary: a class literal takes the next block as its body.
        Object o = Foo.class; if (x) {} // EXPECT 1041
        String s = "class S { }";
    }
}
