"""The baseline that quarvel.toml names, as quarvel-scan writes it: the defects it records are
hints by default, hidden or shown as themselves when the client asks so in its
initialization options; a defect the baseline does not hold keeps its level, also when lines
are inserted above the known ones."""

import os
import subprocess
import sys
import tempfile

from lspclient import Document, Server, check, main, uri_of

TEXT = ("package p;\n/** @author a */\nclass A {\n"
        "    void f(final int a) { try { g(); } catch (Exception e) { } }\n}\n")
NEW_DEFECT = "    void h(final int a) { if (a == \"x\") { } }\n"


def severities(diagnostics):
    return sorted((d["range"]["start"]["line"], d["code"], d["severity"])
                  for d in diagnostics if "code" in d)


def session(binary, root, options):
    server = Server(binary, "--debounce=0")
    extra = {"initializationOptions": options} if options is not None else {}
    server.initialize({}, root=root, **extra)
    document = Document(uri_of(os.path.join(root, "A.java")), TEXT)
    server.open(document)
    before = severities(server.diagnostics(document.uri)["diagnostics"])
    # Lines inserted above the known defect, one of them a new defect.
    document.version += 1
    server.change(document, [(((3, 0), (3, 0)), "\n" + NEW_DEFECT)])
    after = severities(server.diagnostics(document.uri)["diagnostics"])
    server.shutdown_and_exit()
    return before, after


def test(binary):
    scan = os.path.abspath(os.path.join(os.path.dirname(binary), "..", "scan", "quarvel-scan"))
    with tempfile.TemporaryDirectory() as root:
        with open(os.path.join(root, "A.java"), "w") as file:
            file.write(TEXT)
        written = subprocess.run([scan, "--write-baseline", "known.txt", "--format", "gnu"],
                                 cwd=root, capture_output=True)
        check(written.returncode == 0, "quarvel-scan: %s" % written)
        with open(os.path.join(root, "quarvel.toml"), "w") as file:
            file.write("baseline = \"known.txt\"\n")

        new_line = [(4, 1013, 1)]  # an error: strings compared with ==
        before, after = session(binary, root, None)
        check(before == [(3, 1005, 4), (3, 1006, 4)], "known defects as hints: %s" % before)
        check(after == new_line + [(5, 1005, 4), (5, 1006, 4)], "after the insertion: %s" % after)

        before, after = session(binary, root, {"baseline": "hide"})
        check(before == [], "known defects hidden: %s" % before)
        check(after == new_line, "hidden, after the insertion: %s" % after)

        before, after = session(binary, root, {"baseline": "show"})
        check(before == [(3, 1005, 2), (3, 1006, 2)], "known defects shown: %s" % before)


if __name__ == "__main__":
    main(test)
