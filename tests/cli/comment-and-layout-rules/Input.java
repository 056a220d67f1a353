package demo;

/**
 * A panel that shows what the layout and comment checks report.
 * @todo split this class
 */
class Input {
	int tabbed;
    static public void main(String[] args) {
        Panel panel = new Panel();
        panel.add(new Button("ok"), "South");
        switch (args.length) {
        case 0: panel.setName("none");
        case 1: panel.setName("one"); break;
        }
        String text = "a literal long enough to take this line past eighty bytes";
    }
}
