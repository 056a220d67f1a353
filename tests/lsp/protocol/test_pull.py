"""Pull diagnostics, for a client that offers textDocument/diagnostic: the capability, full
and unchanged reports, requests that wait for the analysis of the current version, their
cancellation, and the refresh asked for when the configuration changes. Such a client gets
no pushed diagnostics."""

from lspclient import Document, Server, check, find, main, uri_of

CAPABILITIES = {"textDocument": {"diagnostic": {"dynamicRegistration": False}},
                "workspace": {"diagnostics": {"refreshSupport": True}}}
TEXT = "class A {\n\tint x;\n}\n"


def pull(server, document, previous=None):
    params = {"textDocument": {"uri": document.uri}}
    if previous is not None:
        params["previousResultId"] = previous
    return server.request("textDocument/diagnostic", params)


def test(binary):
    server = Server(binary, "--debounce=0")
    result = server.initialize(CAPABILITIES, root="/w")
    check(result["capabilities"].get("diagnosticProvider") ==
          {"identifier": "quarvel", "interFileDependencies": False, "workspaceDiagnostics": False},
          "capabilities: %s" % result)
    document = Document(uri_of("/w/A.java"), TEXT)
    server.open(document)
    first = server.response(pull(server, document))["result"]
    check(first["kind"] == "full" and find(first["items"], 1020), "first pull: %s" % first)
    again = server.response(pull(server, document, first["resultId"]))["result"]
    check(again == {"kind": "unchanged", "resultId": first["resultId"]}, "again: %s" % again)

    server.change(document, [(((1, 0), (1, 1)), "    ")])
    changed = server.response(pull(server, document, first["resultId"]))["result"]
    check(changed["kind"] == "full" and changed["resultId"] != first["resultId"]
          and not find(changed["items"], 1020), "after the change: %s" % changed)

    unknown = server.response(pull(server, Document(uri_of("/w/B.java"), "")))["result"]
    check(unknown == {"kind": "full", "items": []}, "a document that is not open: %s" % unknown)

    # The configuration file changed: the client is asked to pull again.
    server.notify("workspace/didChangeWatchedFiles",
                  {"changes": [{"uri": uri_of("/w/quarvel.toml"), "type": 2}]})
    refresh = server.wait_for(lambda m: m.get("method") == "workspace/diagnostic/refresh",
                              "a refresh request")
    server.send({"jsonrpc": "2.0", "id": refresh["id"], "result": None})
    rest = server.drain(0.5)
    check(not any(m.get("method") == "textDocument/publishDiagnostics" for m in rest),
          "pushed diagnostics: %s" % rest)
    check(server.shutdown_and_exit() == 0, "exit")

    # A client that did not offer pull diagnostics has them pushed, and cannot pull.
    server = Server(binary, "--debounce=0")
    server.initialize({}, root="/w")
    document = Document(uri_of("/w/A.java"), TEXT)
    server.open(document)
    check(find(server.diagnostics(document.uri)["diagnostics"], 1020), "pushed")
    refused = server.response(pull(server, document))
    check(refused["error"]["code"] == -32601, "a pull without the capability: %s" % refused)
    check(server.shutdown_and_exit() == 0, "exit")

    # Requests that wait: cancelled, answered at the close, answered as the server ends.
    server = Server(binary, "--debounce=10000")
    server.initialize(CAPABILITIES, root="/w")
    document = Document(uri_of("/w/A.java"), TEXT)
    server.open(document)
    server.response(pull(server, document))
    server.change(document, [(None, "class A { }\n")])
    waiting = pull(server, document)
    server.notify("$/cancelRequest", {"id": waiting})
    cancelled = server.response(waiting)
    check(cancelled["error"]["code"] == -32800, "cancelled: %s" % cancelled)
    waiting = pull(server, document)
    server.notify("textDocument/didClose", {"textDocument": {"uri": document.uri}})
    closed = server.response(waiting)["result"]
    check(closed == {"kind": "full", "items": []}, "closed: %s" % closed)
    server.open(document)
    server.response(pull(server, document))
    server.change(document, [(None, "class B { }\n")])
    waiting = pull(server, document)
    shutdown = server.request("shutdown")
    ended = server.response(waiting)
    check(ended["error"]["code"] == -32800, "at shutdown: %s" % ended)
    check(server.response(shutdown)["result"] is None, "shutdown")
    server.notify("exit")
    check(server.wait_exit() == 0, "exit")


main(test)
