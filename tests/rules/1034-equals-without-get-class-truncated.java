// Rule 1034 on a file that ends inside an equals method: its body runs to the end of the file.
class Complete {
    public boolean equals(Object o) { return o instanceof Complete; } // EXPECT 1034
}
class WithCall {
    public boolean equals(Object o) {
        if (o == null) { return false; }
        return getClass() == o.getClass(
