// Rule 1041: the search ends at the first header with both "extends" and "Exception".
class Before { } // EXPECT 1041
class MyException extends Exception { }
class After { }
