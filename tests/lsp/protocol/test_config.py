"""quarvel.toml at the root of the workspace folder: its levels, rules off, excluded files,
the quick fix that switches a rule off there (applied to the file, then announced by the
client), a file that is not right, and reading it again when it is saved."""

import os
import tempfile

from lspclient import Document, Server, check, find, main, uri_of

CAPABILITIES = {
    "textDocument": {"codeAction": {"codeActionLiteralSupport": {
        "codeActionKind": {"valueSet": ["quickfix"]}}}},
    "workspace": {"didChangeWatchedFiles": {"dynamicRegistration": True}}}
TEXT = ("package p;\n/** @author a */\nclass A {\n"
        "\tvoid f(final int a) { try { g(); } catch (java.io.IOException e) { } }\n}\n")


def severities(diagnostics):
    return {d["code"]: d["severity"] for d in diagnostics if "code" in d}


def apply_edit(text, edit):
    """A text edit on a file's text, whose positions here are plain ASCII."""
    lines = text.split("\n")
    def offset(position):
        return sum(len(line) + 1 for line in lines[:position["line"]]) + position["character"]
    start, end = offset(edit["range"]["start"]), offset(edit["range"]["end"])
    return text[:start] + edit["newText"] + text[end:]


def test(binary):
    with tempfile.TemporaryDirectory() as root:
        config = os.path.join(root, "quarvel.toml")
        config_uri = uri_of(config)
        with open(config, "w") as file:
            file.write("exclude = [\"gen/**\"]\n\n[rules]\n1020 = \"error\"\n")
        server = Server(binary, "--debounce=0")
        server.initialize(CAPABILITIES, root=root)
        registration = server.wait_for(lambda m: m.get("method") == "client/registerCapability",
                                       "the watcher's registration")
        server.send({"jsonrpc": "2.0", "id": registration["id"], "result": None})

        document = Document(uri_of(os.path.join(root, "src", "A.java")), TEXT)
        server.open(document)
        diagnostics = server.diagnostics(document.uri)["diagnostics"]
        check(severities(diagnostics) == {1020: 1, 1006: 2}, "levels: %s" % diagnostics)
        generated = Document(uri_of(os.path.join(root, "gen", "G.java")), TEXT)
        server.open(generated)
        check(server.diagnostics(generated.uri)["diagnostics"] == [], "an excluded file")

        # The quick fix, applied to the file as an editor applies it and saves it.
        offered = server.call("textDocument/codeAction", {
            "textDocument": {"uri": document.uri},
            "range": {"start": {"line": 3, "character": 0}, "end": {"line": 3, "character": 0}},
            "context": {"diagnostics": find(diagnostics, 1006)}})
        fix = offered[1]
        check(fix["title"] == "Switch rule 1006 off in quarvel.toml", "fix: %s" % offered)
        with open(config) as file:
            text = file.read()
        for edit in fix["edit"]["changes"][config_uri]:
            text = apply_edit(text, edit)
        check(text == "exclude = [\"gen/**\"]\n\n[rules]\n1020 = \"error\"\n1006 = \"off\"\n",
              "the edited file: %r" % text)
        with open(config, "w") as file:
            file.write(text)
        server.notify("workspace/didChangeWatchedFiles",
                      {"changes": [{"uri": config_uri, "type": 2}]})
        after = server.diagnostics(document.uri)["diagnostics"]
        check(severities(after) == {1020: 1}, "after the fix: %s" % after)

        # A file that is not right: told once, and the defaults hold.
        with open(config, "w") as file:
            file.write("[rules]\n1006 = \"loud\"\n")
        server.notify("workspace/didChangeWatchedFiles",
                      {"changes": [{"uri": config_uri, "type": 2}]})
        shown = server.wait_for(lambda m: m.get("method") == "window/showMessage", "the error")
        message = shown["params"]["message"]
        check(shown["params"]["type"] == 1 and message.startswith(config + ":2:")
              and message.endswith("(quarvel uses its defaults until the file is fixed)"),
              "shown: %s" % shown)
        defaults = server.diagnostics(document.uri)["diagnostics"]
        check(severities(defaults) == {1020: 3, 1006: 2}, "the defaults: %s" % defaults)

        # Saved in the editor: read again.
        with open(config, "w") as file:
            file.write("[rules]\n1020 = \"off\"\n")
        server.notify("textDocument/didSave", {"textDocument": {"uri": config_uri}})
        saved = server.diagnostics(document.uri)["diagnostics"]
        check(severities(saved) == {1006: 2}, "after the save: %s" % saved)
        check(not any(m.get("method") == "window/showMessage" for m in server.drain(0.3)),
              "the error was shown again")
        check(server.shutdown_and_exit() == 0, "exit")


main(test)
