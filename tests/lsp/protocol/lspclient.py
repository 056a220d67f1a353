"""A small language-server client for the protocol tests: it starts the built server, frames
messages, reads what the server writes on a thread of its own, and models a document as an
editor holds it (text, UTF-16 positions, edits)."""

import json
import os
import queue
import subprocess
import sys
import threading
import time

TIMEOUT = 60  # seconds to wait for anything before the test fails (sanitizers are slow)


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def encode(message):
    """A message as bytes. Strings may hold surrogate escapes (from bytes decoded with
    'surrogateescape'): they go out as the raw bytes they stand for, not UTF-8."""
    body = json.dumps(message, ensure_ascii=False).encode("utf-8", "surrogateescape")
    return b"Content-Length: %d\r\n\r\n" % len(body) + body


class Server:
    def __init__(self, binary, *arguments, stderr=None, reading=True):
        """With reading=False the client never reads what the server writes: its end of
        the pipe is closed at once."""
        self.process = subprocess.Popen([binary, *arguments], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=stderr)
        self.messages = queue.Queue()
        self.kept = []  # messages read but not yet wanted
        self.next_id = 1
        if reading:
            threading.Thread(target=self._read, daemon=True).start()
        else:
            self.process.stdout.close()

    def _read(self):
        out = self.process.stdout
        while True:
            length = None
            while True:
                line = out.readline()
                if not line:
                    self.messages.put(None)
                    return
                line = line.rstrip(b"\r\n")
                if not line:
                    break
                name, _, value = line.partition(b":")
                if name.lower() == b"content-length":
                    length = int(value)
            body = out.read(length)
            self.messages.put(json.loads(body))

    def send_bytes(self, data):
        self.process.stdin.write(data)
        self.process.stdin.flush()

    def send(self, message):
        self.send_bytes(encode(message))

    def notify(self, method, params=None):
        message = {"jsonrpc": "2.0", "method": method}
        if params is not None:
            message["params"] = params
        self.send(message)

    def request(self, method, params=None):
        """Sends a request and returns its id."""
        request_id = self.next_id
        self.next_id += 1
        message = {"jsonrpc": "2.0", "id": request_id, "method": method}
        if params is not None:
            message["params"] = params
        self.send(message)
        return request_id

    def wait_for(self, wanted, what, timeout=TIMEOUT):
        """The first message, kept or new, that satisfies `wanted`."""
        for index, message in enumerate(self.kept):
            if wanted(message):
                del self.kept[index]
                return message
        deadline = time.monotonic() + timeout
        while True:
            remaining = deadline - time.monotonic()
            try:
                message = self.messages.get(timeout=max(remaining, 0.001))
            except queue.Empty:
                raise Failure("no %s within %d s; kept: %s" % (what, timeout, self.kept[-5:]))
            if message is None:
                self.messages.put(None)
                raise Failure("the server ended before %s; kept: %s" % (what, self.kept[-5:]))
            if wanted(message):
                return message
            self.kept.append(message)

    def response(self, request_id):
        return self.wait_for(lambda m: m.get("id") == request_id and "method" not in m,
                             "the answer to request %s" % request_id)

    def call(self, method, params=None):
        """A request's result; fails on an error."""
        answer = self.response(self.request(method, params))
        check("result" in answer, "%s failed: %s" % (method, answer))
        return answer["result"]

    def error(self, code, what):
        """The next error answer with id null and this code."""
        return self.wait_for(lambda m: "error" in m and m.get("id") is None
                             and m["error"]["code"] == code, what)

    def diagnostics(self, uri):
        return self.wait_for(lambda m: m.get("method") == "textDocument/publishDiagnostics"
                             and m["params"]["uri"] == uri, "diagnostics of " + uri)["params"]

    def drain(self, seconds):
        """Every message that arrives within the next seconds, with those kept."""
        deadline = time.monotonic() + seconds
        while True:
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                break
            try:
                message = self.messages.get(timeout=remaining)
            except queue.Empty:
                break
            if message is None:
                self.messages.put(None)
                break
            self.kept.append(message)
        drained, self.kept = self.kept, []
        return drained

    def initialize(self, capabilities=None, root=None, **extra):
        params = {"processId": os.getpid(), "capabilities": capabilities or {},
                  "rootUri": uri_of(root) if root else None}
        params.update(extra)
        result = self.call("initialize", params)
        self.notify("initialized", {})
        return result

    def open(self, document):
        self.notify("textDocument/didOpen", {"textDocument": {
            "uri": document.uri, "languageId": document.language, "version": document.version,
            "text": document.text}})

    def change(self, document, changes):
        """Applies the changes to the model and sends them; a change is (range, text), a
        range ((line, character), (line, character)) or None for the whole text."""
        sent = []
        for change_range, text in changes:
            document.apply(change_range, text)
            entry = {"text": text}
            if change_range is not None:
                (start_line, start_character), (end_line, end_character) = change_range
                entry["range"] = {"start": {"line": start_line, "character": start_character},
                                  "end": {"line": end_line, "character": end_character}}
            sent.append(entry)
        document.version += 1
        self.notify("textDocument/didChange", {
            "textDocument": {"uri": document.uri, "version": document.version},
            "contentChanges": sent})

    def shutdown_and_exit(self):
        self.call("shutdown")
        self.notify("exit")
        return self.wait_exit()

    def wait_exit(self, timeout=TIMEOUT):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise Failure("the server did not end within %d s" % timeout)

    def close_input(self):
        self.process.stdin.close()


def uri_of(path):
    from urllib.parse import quote
    return "file://" + quote(os.path.abspath(path))


def units(text):
    """UTF-16 code units of a text (a lone surrogate, which stands for a byte that is not
    UTF-8, is one unit, as the server counts such a byte)."""
    return len(text.encode("utf-16-le", "surrogatepass")) // 2


def lines_of(text):
    """The protocol's lines: split at CR LF, CR and LF."""
    result, start, at = [], 0, 0
    while at < len(text):
        if text[at] in "\r\n":
            result.append(text[start:at])
            at += 2 if text.startswith("\r\n", at) else 1
            start = at
        else:
            at += 1
    result.append(text[start:])
    return result


class Document:
    """A document as an editor holds it: a Python string (bytes that are not UTF-8 as
    surrogate escapes) with positions in UTF-16 code units."""

    def __init__(self, uri, text, language="java", version=1):
        self.uri, self.text, self.language, self.version = uri, text, language, version

    def offset(self, line, character):
        at = 0
        for _ in range(line):
            while at < len(self.text) and self.text[at] not in "\r\n":
                at += 1
            if at == len(self.text):
                return at
            at += 2 if self.text.startswith("\r\n", at) else 1
        count = 0
        while at < len(self.text) and self.text[at] not in "\r\n":
            width = units(self.text[at])
            if count + width > character:
                break
            count += width
            at += 1
        return at

    def apply(self, change_range, text):
        if change_range is None:
            self.text = text
            return
        start, end = self.offset(*change_range[0]), self.offset(*change_range[1])
        self.text = self.text[:start] + text + self.text[end:]

    def expected_range(self, line):
        """The range of a line that quarvel numbers (from 1, counted by line feeds) as the
        server gives it, when the line has no lone carriage return."""
        index = line - 1
        protocol_lines = lines_of(self.text)
        content = protocol_lines[index]
        stripped = content.strip(" \t\r\f\v")
        if not stripped:
            return {"start": {"line": index, "character": 0},
                    "end": {"line": index, "character": 0}}
        first = len(content) - len(content.lstrip(" \t\r\f\v"))
        return {"start": {"line": index, "character": units(content[:first])},
                "end": {"line": index, "character": units(content[:first]) + units(stripped)}}


def find(diagnostics, code):
    return [d for d in diagnostics if d.get("code") == code]


def main(test, binary=None):
    """Runs a test function with the server's path; prints the failure and exits 1."""
    binary = binary or sys.argv[1]
    try:
        test(binary)
    except Failure as failure:
        print("FAILED:", failure)
        sys.exit(1)
    print("passed")
