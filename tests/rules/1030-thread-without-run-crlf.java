// Rule 1030 with CR LF line ends.
class Crlf { // EXPECT 1030 (for Worker: the carriage return after this brace starts its match)
    int x;
    class Worker
        extends Thread
    {
    }
}
