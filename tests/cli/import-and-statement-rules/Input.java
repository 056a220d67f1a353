// Every import, package and statement rule reports once on this file. The declaration
// below is joined to a longer word, so the file has no package declaration of its own.
subpackage p.q;

import p.q.Local;
import java.lang.String;
import java.util.*;
import java.util.Map;

class Input {
    Local local;
    String name;

    void run(int x) {
        if (true) {
            System.out.println(name);
        }
        switch (x) {
            case 1:
                break;
        }
        try {
            work();
        } catch (Exception e) {
            throw ExceptionFactory.wrap(e);
        } finally {
            return;
        }
    }

    protected void finalize() throws Throwable {
        close();
    }
}
