#!/usr/bin/python3
"""Reads a command's Persian output on stdin; fails, naming the line, where an English sentence or
word is left: outside the left-to-right and first-strong isolates (U+2066 or U+2068 ... U+2069;
a right-to-left one holds a whole message, which is read) and the quotation marks
«...» that keep Latin words in a Persian sentence, outside option names, conversions (%Y),
metavariables (FILE, YYYY-MM-DD), the programs' names, the program's name before a message and a file's name and line
before it. Lines with no Persian letter are taken only as the examples and the option column of
--help are written: after a left-to-right mark, or indented.
"""
import re
import sys

PERSIAN = re.compile("[\u0600-\u06ff]")
text = sys.stdin.read()
if not PERSIAN.search(text):
    sys.exit("no Persian at all")
bad = []
for number, line in enumerate(text.split("\n"), 1):
    # left-to-right and first-strong isolates (Latin items); a right-to-left isolate is a whole
    # message after the program's name, read as the rest
    rest = re.sub("[\u2066\u2068][^\u2069]*\u2069", " ", line).replace("\u2067", "")
    rest = rest.replace("\u2069", "")
    rest = re.sub("«\u2068?[^»]*»", " ", rest)                   # quoted
    rest = re.sub(r"^(tarvand-date|tarvand-cal|tarvand-times|tarvand): ", "", rest)
    rest = re.sub(r"^\S+:\d+: ", "", rest)                       # FILE:LINE:
    if not PERSIAN.search(rest):
        if rest.strip() and not (rest.startswith("\u200e") or rest.startswith("  ")):
            bad.append((number, line))
        continue
    rest = re.sub(r"(?<![\w-])--?[a-zA-Z][\w-]*(=\S*)?", " ", rest)  # options
    rest = re.sub(r"%[-_0^#]*\d*:*[a-zA-Z%]", " ", rest)             # conversions
    rest = re.sub(r"(?<![\w/-])tarvand(-date|-cal|-times)?(?![\w-])", " ", rest)  # the programs' names
    rest = re.sub(r"\b[A-Z][A-Z0-9_/+:.-]*\b", " ", rest)            # metavariables, AM, UTC
    if re.search(r"[a-z]{2,}", rest):
        bad.append((number, line))
for number, line in bad:
    print("line %d has English: %s" % (number, line))
sys.exit(1 if bad else 0)
