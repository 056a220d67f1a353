"""Input that is not what the protocol wants, one after the other in one session: each is
answered with an error (id null) or dropped, and the server keeps serving. Then a message of
100 MB, which is dropped without its memory, and inputs that end in the middle."""

import os

from lspclient import Document, Server, check, main

PARSE_ERROR, INVALID_REQUEST = -32700, -32600


def frame(body):
    return b"Content-Length: %d\r\n\r\n" % len(body) + body


def still_serving(server, what):
    """The server still answers, and nothing but its log came before the answer."""
    request_id = server.request("textDocument/hover", {})
    answer = server.response(request_id)
    check(answer["error"]["code"] == -32601, "after %s: %s" % (what, answer))
    others = [m for m in server.kept if m.get("method") != "window/logMessage"]
    check(others == [], "after %s, also: %s" % (what, others))
    server.kept = []


def peak_memory_kb(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def test(binary):
    server = Server(binary, "--debounce=0")
    server.initialize()
    cases = [
        ("a body that is not JSON", frame(b"{\"jsonrpc\": \"2.0\", "), PARSE_ERROR),
        ("a byte that is not UTF-8 outside a string", frame(b"\xff{}"), PARSE_ERROR),
        ("values nested a million deep", frame(b"[" * 1000000), PARSE_ERROR),
        ("JSON that is not an object", frame(b"[1, 2]"), INVALID_REQUEST),
        ("an id that is an object", frame(b'{"jsonrpc":"2.0","id":{},"method":"x"}'), INVALID_REQUEST),
        ("a method that is a number", frame(b'{"jsonrpc":"2.0","method":5}'), INVALID_REQUEST),
        ("params that are a string", frame(b'{"jsonrpc":"2.0","method":"x","params":"p"}'),
         INVALID_REQUEST),
        ("no Content-Length", b"Content-Type: x\r\n\r\n{}", PARSE_ERROR),
        ("a header line without a colon", b"Content-Length: 2\r\nnonsense\r\n\r\n{}", PARSE_ERROR),
        ("a Content-Length that is not a number", b"Content-Length: twelve\r\n\r\n{}", PARSE_ERROR),
        ("a negative Content-Length", b"Content-Length: -2\r\n\r\n{}", PARSE_ERROR),
    ]
    for what, data, code in cases:
        server.send_bytes(data)
        error = server.error(code, what)
        check(error["jsonrpc"] == "2.0" and error["error"]["message"], "%s: %s" % (what, error))
        still_serving(server, what)

    # A Content-Length that is too small: the body is cut, and what is left of it is text
    # before the next message's header. Two errors, then the server is back in step.
    body = b'{"jsonrpc":"2.0","id":77,"method":"textDocument/hover","params":{}}'
    server.send_bytes(b"Content-Length: 20\r\n\r\n" + body)
    server.error(PARSE_ERROR, "the cut body")
    next_request = server.request("textDocument/hover", {})
    rest = server.error(PARSE_ERROR, "the rest of the body")
    check(rest["error"]["message"].startswith("malformed input: text that is not a header"),
          "the rest: %s" % rest)
    check(server.response(next_request)["error"]["code"] == -32601, "the next request")
    still_serving(server, "a Content-Length that is too small")

    # A message of 100 MB: answered at once, read and dropped a piece at a time.
    size = 100 * 1024 * 1024
    server.send_bytes(b"Content-Length: %d\r\n\r\n" % size)
    error = server.error(INVALID_REQUEST, "the answer to a message of 100 MB")
    check("104857600 bytes, over the limit of 67108864 bytes" in error["error"]["message"],
          "too large: %s" % error)
    piece = b"x" * (1024 * 1024)
    for _ in range(100):
        server.send_bytes(piece)
    still_serving(server, "a message of 100 MB")
    peak = peak_memory_kb(server.process.pid)
    print("peak memory after a message of 100 MB: %d KB" % peak)
    # Sanitizers hold freed memory back and add their own.
    if not os.environ.get("QUARVEL_SANITIZED"):
        check(peak < 64 * 1024, "peak memory after 100 MB: %d KB" % peak)

    # After all this, documents are still checked.
    document = Document("file:///w/A.java", "class A {\n\tint x;\n}\n")
    server.open(document)
    diagnostics = server.diagnostics(document.uri)
    check(any(d["code"] == 1020 for d in diagnostics["diagnostics"]), "%s" % diagnostics)
    check(server.shutdown_and_exit() == 0, "exit after the malformed inputs")

    # Inputs that end in the middle: the server ends, it does not wait.
    for what, data in [("a body", b"Content-Length: 1000\r\n\r\n{}"),
                       ("a header", b"Content-Length: 10\r\nContent-Ty"),
                       ("a message over the limit", b"Content-Length: 999999999999\r\n\r\nxx")]:
        server = Server(binary)
        server.send_bytes(data)
        server.close_input()
        check(server.wait_exit() == 1, "the input ended in %s" % what)


main(test)
