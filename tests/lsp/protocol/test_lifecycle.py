"""The server's life: requests before initialize, the capabilities it gives, unknown methods,
trace, shutdown and exit, and the end of its input."""

import subprocess

from lspclient import Document, Server, check, main

PUSH_CAPABILITIES = {
    "textDocumentSync": {"openClose": True, "change": 2, "save": {"includeText": False}},
    "codeActionProvider": {"codeActionKinds": ["quickfix"]},
}
SOURCE = "class A {\n\tint x;\n}\n"


def test(binary):
    server = Server(binary, "--debounce=0")
    # Before initialize: requests are refused, notifications dropped.
    early = server.response(server.request("textDocument/codeAction", {}))
    check(early["error"]["code"] == -32002, "a request before initialize: %s" % early)
    server.open(Document("file:///early/A.java", SOURCE))

    result = server.initialize()
    check(result == {"capabilities": PUSH_CAPABILITIES,
                     "serverInfo": {"name": "quarvel-lsp", "version": result["serverInfo"]["version"]}},
          "initialize gave %s" % result)
    again = server.response(server.request("initialize", {"capabilities": {}}))
    check(again["error"]["code"] == -32600, "a second initialize: %s" % again)

    unknown = server.response(server.request("textDocument/hover", {}))
    check(unknown["error"]["code"] == -32601, "an unknown request: %s" % unknown)
    server.notify("workspace/somethingNew", {"x": 1})
    server.notify("$/cancelRequest", {"id": 999})
    server.notify("textDocument/didOpen", {"textDocument": {"uri": 3}})  # bad params: logged
    bad_params = server.response(server.request("textDocument/codeAction", {"textDocument": 1}))
    check(bad_params["error"]["code"] == -32602, "bad params: %s" % bad_params)

    # Trace: each analysis is told at the verbose level.
    server.notify("$/setTrace", {"value": "verbose"})
    document = Document("file:///w/A.java", SOURCE)
    server.open(document)
    trace = server.wait_for(lambda m: m.get("method") == "$/logTrace"
                            and m["params"]["message"].startswith("analysed"), "a trace")
    check(trace["params"]["message"].startswith("analysed file:///w/A.java version 1: ")
          and "bytes in" in trace["params"]["verbose"], "trace: %s" % trace)
    diagnostics = server.diagnostics(document.uri)
    check(diagnostics["version"] == 1 and any(d["code"] == 1020 for d in diagnostics["diagnostics"]),
          "diagnostics: %s" % diagnostics)
    # Nothing came for the document opened before initialize, nor for the unknown notification.
    leftovers = server.drain(0.3)
    check(not any(m.get("params", {}).get("uri") == "file:///early/A.java" for m in leftovers),
          "the early document was analysed: %s" % leftovers)
    check(not any("id" in m and "method" not in m for m in leftovers),
          "an answer to a notification: %s" % leftovers)

    check(server.call("shutdown") is None, "shutdown's result")
    late = server.response(server.request("textDocument/codeAction", {}))
    check(late["error"]["code"] == -32600, "a request after shutdown: %s" % late)
    server.notify("exit")
    status = server.wait_exit()
    check(status == 0, "exit after shutdown: status %s" % status)

    # exit without shutdown
    server = Server(binary)
    server.initialize()
    server.notify("exit")
    status = server.wait_exit()
    check(status == 1, "exit without shutdown: status %s" % status)

    # exit before initialize
    server = Server(binary)
    server.notify("exit")
    check(server.wait_exit() == 1, "exit before initialize")

    # The client goes away: the end of the input ends the server, with 0 after shutdown.
    server = Server(binary)
    server.initialize()
    server.open(Document("file:///w/A.java", SOURCE))
    server.close_input()
    check(server.wait_exit() == 1, "the end of the input without shutdown")
    server = Server(binary)
    server.initialize()
    server.call("shutdown")
    server.close_input()
    check(server.wait_exit() == 0, "the end of the input after shutdown")
    server = Server(binary)
    server.send_bytes(b"Content-Len")  # in the middle of a header
    server.close_input()
    check(server.wait_exit() == 1, "the end of the input in a header")

    # The client stops reading: writes fail quietly and the end of the input still ends it.
    server = Server(binary, "--debounce=0", reading=False)
    server.request("initialize", {"capabilities": {}})
    for _ in range(50):
        server.open(Document("file:///w/A.java", SOURCE * 100))
    server.close_input()
    check(server.wait_exit() == 1, "a client that stopped reading")

    # The command line.
    version = subprocess.run([binary, "--version"], capture_output=True, text=True)
    check(version.returncode == 0 and version.stdout.startswith("quarvel-lsp "), "--version")
    usage = subprocess.run([binary, "--help"], capture_output=True, text=True)
    check(usage.returncode == 0 and usage.stdout.startswith("Usage: quarvel-lsp"), "--help")
    wrong = subprocess.run([binary, "--port=1"], capture_output=True, text=True)
    check(wrong.returncode == 2 and "unknown argument '--port=1'" in wrong.stderr, "a wrong argument")


main(test)
