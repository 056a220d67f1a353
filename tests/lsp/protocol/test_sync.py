"""Text synchronisation: incremental and whole changes on text with multi-byte characters,
an emoji outside the BMP, bytes that are not UTF-8 and a lone surrogate escape, checked
through the diagnostics' ranges (UTF-16) and through a message that quotes the text."""

from lspclient import Document, Server, check, find, lines_of, main, units

TEXT = ("package p;\n"
        "/**\n"
        " * @author me\n"
        " * \u00e9\U0001F600\udcff @abc def\n"  # é, an emoji, a byte that is not UTF-8
        " */\n"
        "class A {\n"
        "    int x;\n"
        "}\n")
TAG_LINE = 3  # the protocol's line of the tag


def tag_message(name):
    return "'%s' is an unknown javadoc tag." % name


def test(binary):
    server = Server(binary, "--debounce=0")
    server.initialize()
    document = Document("file:///w/p/A.java", TEXT)

    def published():
        """The diagnostics of the document's current version."""
        return server.wait_for(
            lambda m: m.get("method") == "textDocument/publishDiagnostics"
            and m["params"]["uri"] == document.uri
            and m["params"].get("version") == document.version,
            "diagnostics of version %d" % document.version)["params"]["diagnostics"]

    def expect_tag(name, diagnostics):
        tags = find(diagnostics, 1024)
        check(len(tags) == 1 and tags[0]["message"] == tag_message(name),
              "expected %r in %s; text %r" % (tag_message(name), tags, document.text))
        line = next(i for i, text in enumerate(lines_of(document.text)) if "@" + name in text)
        check(tags[0]["range"] == document.expected_range(line + 1),
              "range %s, expected %s" % (tags[0]["range"], document.expected_range(line + 1)))

    server.open(document)
    expect_tag("abc", published())

    # Replace the 'b' after é, the emoji (two units) and the stray byte (one unit).
    tag_line = lines_of(document.text)[TAG_LINE]
    b = units(tag_line[:tag_line.index("b")])
    server.change(document, [(((TAG_LINE, b), (TAG_LINE, b + 1)), "XY")])
    expect_tag("aXYc", published())

    # Several changes in one message, each on the text the one before left: drop the emoji,
    # put é into the tag, and add a line indented with a tab.
    tag_line = lines_of(document.text)[TAG_LINE]
    emoji = units(tag_line[:tag_line.index("\U0001F600")])
    server.change(document, [
        (((TAG_LINE, emoji), (TAG_LINE, emoji + 2)), ""),
        (((TAG_LINE, emoji + 5), (TAG_LINE, emoji + 5)), "Q"),
        (((6, 0), (6, 0)), "\tint y;\n"),
    ])
    check("\U0001F600" not in document.text and "@aXQYc" in document.text, document.text)
    diagnostics = published()
    expect_tag("aXQYc", diagnostics)
    tabs = find(diagnostics, 1020)
    check(len(tabs) == 1 and tabs[0]["range"] == document.expected_range(7), "tabs: %s" % tabs)

    # A position in the middle of the emoji's pair is the pair's start, and one past the
    # line's end is the line's end.
    server.change(document, [(((TAG_LINE, 3), (TAG_LINE, 3)), "\U0001F600")])
    server.change(document, [(((TAG_LINE, 4), (TAG_LINE, 500)), " @zz")])
    check(lines_of(document.text)[TAG_LINE] == " *  @zz", document.text)
    expect_tag("zz", published())

    # The whole text at once.
    server.change(document, [(None, "package p;\n/** @author x\n * @new\n */\nclass B {\r\n\tint z;\r\n}\r\n")])
    diagnostics = published()
    expect_tag("new", diagnostics)
    check([d["range"] for d in find(diagnostics, 1020)] == [document.expected_range(6)],
          "a tab after CR LF lines: %s" % diagnostics)

    # A lone surrogate escape is U+FFFD, one unit: the edit after it lands where it should.
    escaped = ('{"jsonrpc":"2.0","method":"textDocument/didChange","params":{"textDocument":'
               '{"uri":"%s","version":%d},"contentChanges":[{"text":"package p;\\n/** @author x\\n'
               ' * \\ud800 @abc\\n */\\nclass C { int c; }\\n"}]}}' % (document.uri, document.version + 1))
    body = escaped.encode()
    server.send_bytes(b"Content-Length: %d\r\n\r\n" % len(body) + body)
    document.version += 1
    document.text = "package p;\n/** @author x\n * \ufffd @abc\n */\nclass C { int c; }\n"
    expect_tag("abc", published())
    server.change(document, [(((2, 7), (2, 8)), "Z")])
    expect_tag("aZc", published())

    # Other languages are not checked; a closed document's diagnostics are cleared.
    server.open(Document("file:///w/notes.txt", "\tint x;", language="plaintext"))
    server.notify("textDocument/didClose", {"textDocument": {"uri": document.uri}})
    cleared = server.wait_for(lambda m: m.get("method") == "textDocument/publishDiagnostics"
                              and "version" not in m["params"], "the clearing publish")
    check(cleared["params"] == {"uri": document.uri, "diagnostics": []},
          "after didClose: %s" % cleared)
    seen, server.kept = server.kept, []
    server.change(document, [(None, "\tint x;")])  # not open any more: ignored
    rest = server.drain(0.5)
    check(not any(m.get("method") == "textDocument/publishDiagnostics" for m in rest),
          "diagnostics after the close: %s" % rest)
    check(not any(m.get("params", {}).get("uri") == "file:///w/notes.txt" for m in seen + rest),
          "diagnostics of another language")
    check(server.shutdown_and_exit() == 0, "exit status")


main(test)
