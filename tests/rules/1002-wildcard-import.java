// Rule 1002: an import that ends in an asterisk right before its semicolon.
package p;

import java.util.*; // EXPECT 1002 'Wildcard import declaration.'
import static java.lang.Math.*; // EXPECT 1002
import java.util.List;
// A space before the semicolon: not read.
import java.io.* ;
// Reported at the word import.
import // EXPECT 1002
    java.net.*;
// White space after import is optional.
importjava.nio.*; // EXPECT 1002
// Two on one line.
import a.*; import b.*; // EXPECT 1002 EXPECT 1002
// Inside a comment or a string literal: blanked.
// import java.sql.*;
class C { String s = "import java.sql.*;"; }
