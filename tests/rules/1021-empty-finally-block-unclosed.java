// Rule 1021: a block that never closes gives no defect; the blocks inside it are still judged.
class Unclosed {
    void f() {
        try { work(); } finally {
            try { x(); } finally { } // EXPECT 1021
            try { y(); } finally {
