// Rule 1006: catch blocks with nothing but white space and braces.
class EmptyCatch {
    void reported() {
        try { work(); } catch (Exception e) { } // EXPECT 1006 'Empty catch block.'
        try { work(); } catch (IOException e) { /* ignored */ } // EXPECT 1006
        try { work();
        } catch (Exception e) {
        } // EXPECT 1006 (the brace ends the line above, so this line is reported)
        try { work(); } catch (Exception e) {{ }} // EXPECT 1006
        try { work(); } // a comment between counts as white space
        catch (Exception e) {} // EXPECT 1006
        try { work(); } catch (IOException e) { } catch (Exception e) { } // EXPECT 1006 EXPECT 1006
        try { work(); } catch (@Ann("x") Exception e) { } // EXPECT 1006 (the shortest parenthesis that lets a brace follow)
        try { work(); } catch (IOException | RuntimeException e) { } // EXPECT 1006
    }
    void notReported() {
        try { work(); } catch (Exception e) { log(e); }
        try { work(); } catch (Exception e) { log("}"); }
        try { work(); } catch (Exception e) { ; }
        work() catch (Exception e) { } // only a closing brace may stand before the catch
        String s = "} catch (Exception e) { }";
        // } catch (Exception e) { }
    }
    void nested() {
        try { work(); } catch (Exception e) { try { x(); } catch (E f) {} } // EXPECT 1006
    }
    void unclosed() {
        try { work(); } catch (Exception e) {
