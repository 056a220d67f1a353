// Rule 1026 with CR LF line ends: a line end between type and name is two characters.
class Crlf {
    public boolean equals(Crlf
c) { return true; }
    public boolean // EXPECT 1026
    equals(Crlf c) { return true; }
}
