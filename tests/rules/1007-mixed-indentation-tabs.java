// Rule 1007: a file indented with tabs. Comment text is not indentation; the contents of a
// literal are spaces, so a literal's second line looks indented with spaces, even by a tab.
class Tabs {
	int a;
	int b;
	/*
    spaces inside a block comment
        are comment text
	*/
	String s = "a literal
	over two lines";
    int c;
	  int d;
  
	
  	}