// Rule 1006: a block that never closes gives no defect; the blocks inside it are still judged.
class Unclosed {
    void f() {
        try { work(); } catch (Exception e) {
            try { x(); } catch (Exception f) { } // EXPECT 1006
            try { y(); } catch (Exception g) {
