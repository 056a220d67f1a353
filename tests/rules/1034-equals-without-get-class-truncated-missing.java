// Rule 1034 on a file that ends inside an equals method without a getClass() call.
class Cut {
    public boolean equals(Object o) { // EXPECT 1034
        if (o == null) { return false; }
        return o instanceof Cut
