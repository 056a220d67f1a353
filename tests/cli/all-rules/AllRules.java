subpackage p.q;

import java.util.List;
import java.lang.String;
import java.util.*;
import java.io.File;
import java.io.File;
import p.q.Other;

/**
 * Every rule reports at least once in this file.
 * @todo remove the defects
 */
class AllRules extends Thread {
    static public int counter;
    private Object lock;
    private AllRules instance;

    public boolean equals(Object other) {
        return other instanceof AllRules;
    }

    public boolean equals(AllRules other) {
        return true;
    }

    public int hashcode() {
        return 1;
    }

    protected void finalize() throws Throwable {
        super.finalize();
    }

    void work(int count, String name) {
        int unused = 0;
        boolean done = false;
        if (done == true) count++;
        if (done != false) count--;
        if (name == "x") count++;
        if (false) count++;
        if (true) count++;
        if (count > 1);
        while (count > 9);
        for (;;);
        Assert.assert(done);
        System.out.println(name);
        panel.add(button, "North");
        lock.finalize();
	count++;
        switch (count) {
        case 1:
            count++;
        case 2:
            break;
        }
        try {
            count++;
        } catch (Exception e) {
        } finally {
        }
        try {
            count++;
        } finally {
            return;
        }
    }

    AllRules get() {
        if (instance == null) {
            synchronized (lock) {
                if (instance == null) {
                    instance = new AllRules();
                }
            }
        }
        throw Error;
    }

    class Empty {
    }
}

class Finalizer {
    protected void finalize() throws Throwable {
        int veryLongNameForALocalVariableThatMakesThisLineLongerThanEightyCharacters = 1;
    }
}
