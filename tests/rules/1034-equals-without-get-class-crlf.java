// Rule 1034 with CR LF line ends.
class Crlf {
    public boolean
    equals(Object o) // EXPECT 1034
    {
        return true;
    }
    public boolean equals(Object o) {
        return getClass() == o.getClass();
    }
}
