"""Times quarvel-lsp as an editor uses it, over the JDK's sources:
  - the time from a didChange of a 10,000-line file to the publishDiagnostics of that version
    (median of 20 changes), without a pause before the check (--debounce=0) and with the
    default pause;
  - the peak memory of a session that opens 1,000 files and waits for all their diagnostics.
  python3 bench/lsp.py SERVER JDK_FOLDER"""

import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "lsp", "protocol"))
from lspclient import Document, Server, encode  # noqa: E402

LINES = 10000
CHANGES = 20


def read(path):
    with open(path, "rb") as source:
        return source.read().decode("utf-8", "surrogateescape")


def peak_memory_kb(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def java_files(folder):
    for root, _, names in sorted(os.walk(folder)):
        for name in sorted(names):
            if name.endswith(".java"):
                yield os.path.join(root, name)


def ten_thousand_lines(folder):
    """The first 10,000 lines of the JDK's java/awt/Component.java, or of files taken in
    turn when it is missing."""
    component = os.path.join(folder, "java.desktop", "java", "awt", "Component.java")
    paths = [component] if os.path.exists(component) else java_files(folder)
    lines = []
    for path in paths:
        lines += read(path).split("\n")
        if len(lines) >= LINES:
            break
    return "\n".join(lines[:LINES]) + "\n"


def latency(server_path, folder, debounce):
    server = Server(server_path, "--debounce=%d" % debounce)
    server.initialize()
    document = Document("file:///bench/Component.java", ten_thousand_lines(folder))
    server.open(document)
    first = server.diagnostics(document.uri)
    times = []
    for round_ in range(CHANGES):
        # Type a character at the start of a line, as an editor sends it. The client's own
        # work (its model of the text) is left out of the time.
        line = 2000 + round_ * 300
        document.version += 1
        message = encode({"jsonrpc": "2.0", "method": "textDocument/didChange", "params": {
            "textDocument": {"uri": document.uri, "version": document.version},
            "contentChanges": [{"range": {"start": {"line": line, "character": 0},
                                          "end": {"line": line, "character": 0}},
                                "text": "x"}]}})
        start = time.perf_counter()
        server.send_bytes(message)
        server.wait_for(lambda m: m.get("method") == "textDocument/publishDiagnostics"
                        and m["params"]["version"] == document.version, "the publish")
        times.append((time.perf_counter() - start) * 1000)
        server.kept = []
    server.shutdown_and_exit()
    return len(document.text.encode("utf-8", "surrogateescape")), len(first["diagnostics"]), times


def thousand_files(server_path, folder):
    server = Server(server_path)
    server.initialize()
    paths = list(java_files(folder))[:1000]
    total = 0
    start = time.perf_counter()
    for index, path in enumerate(paths):
        text = read(path)
        total += len(text.encode("utf-8", "surrogateescape"))
        server.open(Document("file://" + path, text))
    waiting = {"file://" + path for path in paths}
    while waiting:
        message = server.wait_for(lambda m: m.get("method") == "textDocument/publishDiagnostics",
                                  "diagnostics")
        waiting.discard(message["params"]["uri"])
    seconds = time.perf_counter() - start
    peak = peak_memory_kb(server.process.pid)
    server.shutdown_and_exit()
    return len(paths), total, seconds, peak


def main():
    server_path, folder = sys.argv[1], sys.argv[2]
    for debounce in (0, 200):
        size, defects, times = latency(server_path, folder, debounce)
        print("didChange to publishDiagnostics, %d lines (%d bytes, %d diagnostics), "
              "--debounce=%d: median %.1f ms, least %.1f ms, most %.1f ms over %d changes"
              % (LINES, size, defects, debounce, statistics.median(times), min(times),
                 max(times), len(times)))
    files, size, seconds, peak = thousand_files(server_path, folder)
    print("%d files opened (%.1f MB): all diagnostics in %.2f s, peak memory %.1f MB"
          % (files, size / 1e6, seconds, peak / 1024))


main()
