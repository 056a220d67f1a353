package examples;

import java.util.List;
import java.util.*;
import java.lang.String;

/**
 * A small class with a few of the defects Quarvel reports.
 */
public class Sample extends Thread {
    static public int counter;

    public boolean equals(Object other) {
        return other instanceof Sample;
    }

    void load(String name) {
        try {
            read(name);
        } catch (Exception e) {
        }
        if (name == "") ;
        System.out.println("loaded " + name);
    }

    void read(String name) throws Exception {
        int unused = 0;
        throw new Exception(name);
    }
}
