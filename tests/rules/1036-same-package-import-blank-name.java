// Rule 1036: a declaration with only white space before its semicolon.
package  ;
import .A;
import  .B; // EXPECT 1036
class C { }
