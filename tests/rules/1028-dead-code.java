// Rule 1028: if, while and for with the literal false as condition, reported at the keyword.
class DeadCode {
    void reported() {
        if (false) { } // EXPECT 1028 'Dead code detected.'
        if(false) { } // EXPECT 1028
        while ( false ) { } // EXPECT 1028
        if (/* never */ false) { } // EXPECT 1028
        if ( // EXPECT 1028
            false
        ) { }
        for (;false;) { } // EXPECT 1028
        for (int i = 0; false; i++) { } // EXPECT 1028
        for (int i = 0 ; // EXPECT 1028
             false ;
             i++) { }
        do {
            work();
        } while (false); // EXPECT 1028
    }
    void notReported() {
        if (false && x) { }
        if (falsehood) { }
        while (!false) { }
        for (int i = 0; i < n; i++) { }
        for (int i = 0; i < n; false) { }
        String s = "if (false)";
        // while (false)
    }
}
