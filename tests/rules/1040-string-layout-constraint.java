// Rule 1040: layout constraints written as string literals when a component is added.
class Layout {
    void build(Panel panel, Button button) {
        panel.add(button, "North"); // EXPECT 1040 'Do not use String literals when adding components.'
        panel.add("South", button); // EXPECT 1040
        panel.add(button, "Center"); panel.add(button, "East"); // EXPECT 1040 EXPECT 1040
        panel.add(button, // EXPECT 1040 (a call over two lines: the line of the dot)
                  "West");
        panel.add(new Label("x"), "East"); // EXPECT 1040

        // Not reported: a constant, another word, another case, no dot, a semicolon on the way.
        panel.add(button, BorderLayout.NORTH);
        panel.add(button, "Left");
        panel.add(button, "north");
        add(button, "North");
        panel.add(";", "North");
        panel.add(button, "North") ;
        panel.addImpl(button, "North");

        // The raw text is searched, so calls in comments and literals count too.
        // panel.add(button, "South"); EXPECT 1040
        /* panel.add(button, "South"); EXPECT 1040 */
        // Written inside a literal, the quotes are escaped and the constraint is not seen.
        String s = "p.add(b, \"South\");";
    }
}
