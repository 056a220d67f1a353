// Rule 1003 with CR LF line ends, in a file that ends inside an import.
import a.B;
import a.B; // EXPECT 1003
import c.D;
import c.D