// Rule 1001: an explicit import of a java.lang class.
package p;

// A class of java.lang, and the wildcard import of java.lang itself.
import java.lang.String; // EXPECT 1001 'Explicit import of java.lang class.'
import java.lang.*; // EXPECT 1001
// The last part may hold no dot: a subpackage is not java.lang.
import java.lang.reflect.Method;
// The word after the white space must be java: static imports are not read.
import static java.lang.Math.max;
// The two dots of java.lang. stand for any byte.
import java_lang_Thing; // EXPECT 1001
// White space inside the last part is part of it.
import java.lang.Integer ; // EXPECT 1001
// Reported at the word import.
import // EXPECT 1001
    java.lang.Long;
// Two on one line.
import java.lang.Byte; import java.lang.Short; // EXPECT 1001 EXPECT 1001
// Inside a comment or a string literal: blanked.
// import java.lang.Object;
class C { String s = "import java.lang.Object;"; }
// Without white space after import: not read.
importjava.lang.Double;
