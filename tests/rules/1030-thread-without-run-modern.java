// Rule 1030 on Java its patterns were not written for. EXPECT 1030 (Annotated: no brace stands before it)
import java.util.function.Supplier;

@SuppressWarnings("serial")
final class Annotated extends Thread {
    @Override
    public void start() { }
}

sealed class Base extends Thread permits Derived {
    @Override public void run() { }
}
non-sealed class Derived extends Base { }

class Lambdas {
    Supplier<Thread> factory = () -> new Thread(() -> { });
    Runnable r = () -> { }; // EXPECT 1030
    class Late extends Thread {
        String text = """
            public void run() { }
            """;
    }
    record Pair(int a) { }
}
