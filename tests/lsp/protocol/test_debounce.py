"""Work as the user types: a burst of changes gives one analysis and one publish, of the
last version; a newer version stops the analysis of an older one between two rules; and no
result of an older version is published after a newer one's."""

from lspclient import Document, Server, check, find, main

HEADER = "package p;\n/** @author a */\nclass A {\n"


def tag_text(name):
    return HEADER + "  /** @%s x */\n  int f;\n}\n" % name


def publishes(messages, uri):
    return [m["params"] for m in messages
            if m.get("method") == "textDocument/publishDiagnostics" and m["params"]["uri"] == uri]


def burst(binary):
    server = Server(binary, "--debounce=200")
    server.initialize()
    document = Document("file:///w/A.java", tag_text("v1"))
    server.open(document)
    check(server.diagnostics(document.uri)["version"] == 1, "the open is analysed at once")
    # Thirty changes in one write: each arrives well within the pause of the one before.
    changes = b""
    from lspclient import encode
    for version in range(2, 32):
        document.version = version
        document.text = tag_text("v%d" % version)
        changes += encode({"jsonrpc": "2.0", "method": "textDocument/didChange", "params": {
            "textDocument": {"uri": document.uri, "version": version},
            "contentChanges": [{"text": document.text}]}})
    server.send_bytes(changes)
    last = server.wait_for(lambda m: m.get("method") == "textDocument/publishDiagnostics"
                           and m["params"]["version"] == 31, "the last version's diagnostics")
    tags = find(last["params"]["diagnostics"], 1024)
    check([t["message"] for t in tags] == ["'v31' is an unknown javadoc tag."], "last: %s" % tags)
    later = server.drain(1.0)
    check(publishes(server.kept + later, document.uri) == [], "more publishes: %s" % later)
    server.close_input()
    server.wait_exit()

    server = Server(binary, "--debounce=10000")
    server.initialize()
    document = Document("file:///w/B.java", tag_text("s1"))
    server.open(document)
    server.diagnostics(document.uri)
    server.change(document, [(None, tag_text("s2"))])
    # Ten seconds of pause: nothing within the first, and the save's check long before the
    # pause would end.
    early = server.drain(1.0)
    check(publishes(early, document.uri) == [], "a publish before the pause ended: %s" % early)
    server.notify("textDocument/didSave", {"textDocument": {"uri": document.uri}})
    saved = server.wait_for(lambda m: m.get("method") == "textDocument/publishDiagnostics",
                            "the check that the save starts", timeout=5)["params"]
    check(saved["version"] == 2, "after the save: %s" % saved)
    check(server.shutdown_and_exit() == 0, "exit")


def cancellation(binary):
    server = Server(binary, "--debounce=0")
    server.initialize(trace="verbose")
    # A large document (1.5 MB): its analysis takes far longer than a change takes to
    # arrive once the client sees that the analysis has started.
    body = "".join("  void m%d(int a) { try { g(); } catch (Exception e) { } }\n" % i
                   for i in range(25000))
    document = Document("file:///w/Big.java", HEADER + body + "}\n")
    server.open(document)
    server.wait_for(lambda m: m.get("method") == "$/logTrace"
                    and m["params"]["message"] == "analysing %s version 1" % document.uri,
                    "the analysis of version 1 to start")
    server.change(document, [(((0, 0), (0, 0)), "\t")])
    stopped = server.wait_for(lambda m: m.get("method") == "$/logTrace"
                              and m["params"]["message"].startswith("analysis of"), "a stop")
    check(stopped["params"]["message"] ==
          "analysis of %s version 1 stopped for a newer version" % document.uri, "%s" % stopped)
    published = server.diagnostics(document.uri)
    check(published["version"] == 2 and find(published["diagnostics"], 1020),
          "the newer version's diagnostics")
    check(publishes(server.kept + server.drain(0.5), document.uri) == [], "a stale publish")
    check(server.shutdown_and_exit() == 0, "exit")


def ordering(binary):
    server = Server(binary, "--debounce=0")
    server.initialize()
    body = "".join("  int f%d;\n" % i for i in range(3000))
    document = Document("file:///w/C.java", HEADER + body + "}\n")
    server.open(document)
    for round_ in range(40):
        server.change(document, [(((3, 0), (3, 0)), "\t" if round_ % 2 else "x")])
    final = server.wait_for(lambda m: m.get("method") == "textDocument/publishDiagnostics"
                            and m["params"]["version"] == document.version, "the last version")
    versions = [p["version"] for p in publishes(server.kept, document.uri)] + [document.version]
    check(versions == sorted(set(versions)), "publishes out of order: %s" % versions)
    check(bool(find(final["params"]["diagnostics"], 1020)), "the last text has a tab")
    check(server.shutdown_and_exit() == 0, "exit")


def test(binary):
    burst(binary)
    cancellation(binary)
    ordering(binary)


main(test)
