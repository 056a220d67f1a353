"""Quick fixes that switch a rule off: in the file (a directive line at its top, which the
server then honours) and in quarvel.toml (edited, or created when the client can create
files); what clients of fewer capabilities get; and a bad directive shown as an error."""

import os
import tempfile

from lspclient import Document, Server, check, find, main, uri_of

FULL = {"textDocument": {"codeAction": {"codeActionLiteralSupport": {
            "codeActionKind": {"valueSet": ["quickfix"]}}}},
        "workspace": {"workspaceEdit": {"documentChanges": True,
                                        "resourceOperations": ["create", "rename"]}}}
PLAIN = {"textDocument": {"codeAction": {"codeActionLiteralSupport": {
            "codeActionKind": {"valueSet": ["quickfix"]}}}}}
TEXT = ("package p;\n/** @author a */\nclass A {\n"
        "\tvoid f(final int a) { try { g(); } catch (java.io.IOException e) { } }\n}\n")


def position(line, character):
    return {"line": line, "character": character}


def edit_at(line, character, text):
    return {"range": {"start": position(line, character), "end": position(line, character)},
            "newText": text}


def actions(server, document, diagnostics, only=None):
    context = {"diagnostics": diagnostics}
    if only is not None:
        context["only"] = only
    return server.call("textDocument/codeAction", {
        "textDocument": {"uri": document.uri},
        "range": {"start": position(3, 0), "end": position(3, 0)}, "context": context})


def session(binary, capabilities, root):
    server = Server(binary, "--debounce=0")
    server.initialize(capabilities, root=root)
    document = Document(uri_of(os.path.join(root, "src", "A.java")), TEXT)
    server.open(document)
    return server, document, server.diagnostics(document.uri)["diagnostics"]


def apply_text_edit(server, document, edit):
    start, end = edit["range"]["start"], edit["range"]["end"]
    server.change(document, [(((start["line"], start["character"]),
                               (end["line"], end["character"])), edit["newText"])])


def full_client(binary):
    with tempfile.TemporaryDirectory() as root:
        server, document, diagnostics = session(binary, FULL, root)
        tabs, catches = find(diagnostics, 1020), find(diagnostics, 1006)
        check(len(tabs) == 1 and len(catches) == 1, "diagnostics: %s" % diagnostics)
        offered = actions(server, document, tabs + catches + tabs)
        check([a["title"] for a in offered] == [
            "Switch rule 1020 off for this file", "Switch rule 1020 off in quarvel.toml",
            "Switch rule 1006 off for this file", "Switch rule 1006 off in quarvel.toml"],
            "titles: %s" % [a["title"] for a in offered])
        config_uri = uri_of(os.path.join(root, "quarvel.toml"))
        check(offered[0] == {
            "title": "Switch rule 1020 off for this file", "kind": "quickfix",
            "diagnostics": tabs,
            "edit": {"documentChanges": [{
                "textDocument": {"uri": document.uri, "version": 1},
                "edits": [edit_at(0, 0, "// quarvel disable(1020)\n")]}]}},
            "the file's fix: %s" % offered[0])
        check(offered[1]["edit"] == {"documentChanges": [
            {"kind": "create", "uri": config_uri, "options": {"ignoreIfExists": True}},
            {"textDocument": {"uri": config_uri, "version": None},
             "edits": [edit_at(0, 0, "[rules]\n1020 = \"off\"\n")]}]},
            "the configuration's fix: %s" % offered[1])

        # Applied, the directive switches the rule off for the file.
        apply_text_edit(server, document, offered[0]["edit"]["documentChanges"][0]["edits"][0])
        after = server.diagnostics(document.uri)
        check(after["version"] == 2 and not find(after["diagnostics"], 1020)
              and find(after["diagnostics"], 1006), "after the fix: %s" % after)

        # An existing configuration is edited in place.
        with open(os.path.join(root, "quarvel.toml"), "w") as config:
            config.write("[rules]\n1000 = \"off\"\n\n[other]\nx = 1\n")
        offered = actions(server, document, catches)
        check(offered[1]["edit"] == {"documentChanges": [
            {"textDocument": {"uri": config_uri, "version": None},
             "edits": [edit_at(2, 0, "1006 = \"off\"\n")]}]},
            "an existing configuration: %s" % offered[1])
        # Nothing is offered for a configuration that is not TOML.
        with open(os.path.join(root, "quarvel.toml"), "w") as config:
            config.write("[rules\n")
        check([a["title"] for a in actions(server, document, catches)] ==
              ["Switch rule 1006 off for this file"], "a configuration that is not TOML")

        # What is not asked for, or not quarvel's, gets nothing.
        check(actions(server, document, catches, only=["refactor"]) == [], "only refactor")
        check(len(actions(server, document, catches, only=["quickfix"])) == 1, "only quickfix")
        foreign = dict(catches[0], source="javac")
        check(actions(server, document, [foreign]) == [], "another source")
        check(actions(server, document, [dict(catches[0], code=99)]) == [], "no such rule")
        check(server.shutdown_and_exit() == 0, "exit")


def plain_client(binary):
    with tempfile.TemporaryDirectory() as root:
        server, document, diagnostics = session(binary, PLAIN, root)
        catches = find(diagnostics, 1006)
        offered = actions(server, document, catches)
        check(offered == [{"title": "Switch rule 1006 off for this file", "kind": "quickfix",
                           "diagnostics": catches,
                           "edit": {"changes": {document.uri: [
                               edit_at(0, 0, "// quarvel disable(1006)\n")]}}}],
              "without documentChanges and without the file: %s" % offered)
        with open(os.path.join(root, "quarvel.toml"), "w") as config:
            config.write("exclude = []\r\n")
        offered = actions(server, document, catches)
        config_uri = uri_of(os.path.join(root, "quarvel.toml"))
        check(offered[1]["edit"] == {"changes": {config_uri: [
            edit_at(1, 0, "\r\n[rules]\r\n1006 = \"off\"\r\n")]}}, "with the file: %s" % offered)
        check(server.shutdown_and_exit() == 0, "exit")

    # A client that edits documents but cannot create files: no fix for a missing file.
    changes_only = {"textDocument": PLAIN["textDocument"],
                    "workspace": {"workspaceEdit": {"documentChanges": True,
                                                    "resourceOperations": ["rename"]}}}
    with tempfile.TemporaryDirectory() as root:
        server, document, diagnostics = session(binary, changes_only, root)
        offered = actions(server, document, find(diagnostics, 1006))
        check([a["title"] for a in offered] == ["Switch rule 1006 off for this file"],
              "a client that cannot create files: %s" % offered)
        check(server.shutdown_and_exit() == 0, "exit")

    # A client that takes no code action literals gets none; a CR LF file gets CR LF.
    with tempfile.TemporaryDirectory() as root:
        server, document, diagnostics = session(binary, {}, root)
        check(actions(server, document, find(diagnostics, 1006)) == [], "no literal support")
        crlf = Document(uri_of(os.path.join(root, "B.java")), TEXT.replace("\n", "\r\n"))
        server.notify("textDocument/didClose", {"textDocument": {"uri": document.uri}})
        server.close_input()
        server.wait_exit()
        server = Server(binary, "--debounce=0")
        server.initialize(PLAIN, root=root)
        server.open(crlf)
        catches = find(server.diagnostics(crlf.uri)["diagnostics"], 1006)
        offered = actions(server, crlf, catches)
        check(offered[0]["edit"]["changes"][crlf.uri][0]["newText"] == "// quarvel disable(1006)\r\n",
              "CR LF: %s" % offered)
        check(server.shutdown_and_exit() == 0, "exit")


def bad_directive(binary):
    server = Server(binary, "--debounce=0")
    server.initialize()
    document = Document("file:///w/A.java", "class A {\n  // quarvel disable(abc)\n}\n")
    server.open(document)
    diagnostics = server.diagnostics(document.uri)["diagnostics"]
    check(diagnostics == [{
        "range": {"start": position(1, 2), "end": position(1, 25)}, "severity": 1,
        "source": "quarvel",
        "message": "Could not convert the string describing the warning to an integer. Line: 2. "
                   "Detailed information: Error parsing the string [abc] to an integer"}],
        "a bad directive: %s" % diagnostics)
    server.change(document, [(((1, 21), (1, 24)), "1006")])
    fixed = server.diagnostics(document.uri)["diagnostics"]
    check(fixed and all(d.get("code") for d in fixed), "fixed: %s" % fixed)
    check(server.shutdown_and_exit() == 0, "exit")


def test(binary):
    full_client(binary)
    plain_client(binary)
    bad_directive(binary)


main(test)
