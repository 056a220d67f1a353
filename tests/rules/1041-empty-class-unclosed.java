// Rule 1041: a body that never closes gives no defect; classes inside it are still judged.
class Open {
    class Inner { } // EXPECT 1041
    class Half {
