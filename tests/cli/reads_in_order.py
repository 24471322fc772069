#!/usr/bin/python3
"""Reads Persian text as a terminal with bidi draws it, and fails, naming the line, where a line
does not read in its logical order there.

Lines on stdin, logical. fribidi, the model of such terminals, lays each out by its first strong
letter and gives where each character is drawn. A line with Persian letters is a column (the
indent, an option column before two blanks, or "program: " before a message) and a sentence.
The sentence must be drawn as it would be on its own in a right-to-left paragraph, and the column
at the left of it, so that a reader reads the sentence from the right with each Latin item where
it belongs; and each Latin item (an option, a date, a number) must be drawn as written, never
reversed ("g-" for "-g", "25-06-2026" for "2026-06-25").
"""
import re
import subprocess
import sys

PERSIAN = re.compile("[\u0600-\u06ff]")
MARKS = "\u200c\u200e\u200f\u202a\u202b\u202c\u202d\u202e\u2066\u2067\u2068\u2069"
CELLS = re.compile(r"[^ ]+(?: [^ ]+)*")  # parts of a line apart by two blanks or more
# a program's name before its message, or a page's before its summary (as whatis reads it)
NAME = re.compile(r"[a-z-]+: (?=\u2067)|[a-z-]+ - ")
ITEM = re.compile(r"(?<![\w.%+/-])[-+%@/~]*[A-Za-z0-9\u06f0-\u06f9]"
                  r"(?:[A-Za-z0-9\u06f0-\u06f9_./:%+=-]*[A-Za-z0-9\u06f0-\u06f9_%])?")


def cells(line):
    """The parts of a line as (start, end): the columns of a table or of --help, the program's name
    and its message; the marks and the indent before them left out. In prose (--prose: a manual
    page, where sentences end with two blanks), a tag before two blanks, and the rest."""
    found = [(m.start(), m.end()) for m in CELLS.finditer(line)
             if any(c not in MARKS for c in m.group())]
    isolate = line.find("\u2067")
    if PROSE and found and isolate > found[0][0] and not PERSIAN.search(line[:isolate]):
        found = [(found[0][0], line.rfind(" ", 0, isolate)), (isolate, found[-1][1])]
    elif PROSE and found:
        tag = len(found) > 1 and not PERSIAN.search(line[found[0][0]:found[0][1]]) and \
            line[found[0][0]] != "\u200f"  # a line right to left from its start has no tag
        tail = len(found) > 2 and not PERSIAN.search(line[found[-1][0]:found[-1][1]])
        middle = (found[1 if tag else 0][0], found[-2 if tail else -1][1])
        found = found[:1] * tag + [middle] + found[-1:] * tail
    parts = []
    for start, end in found:
        name = NAME.match(line, start)
        if name:
            parts.append((start, name.end() - 1))
            start = name.end()
        if start < end:
            parts.append((start, end))
    return parts


def drawn(lines, *options):
    """Where each character of each line is drawn: a list of logical indices a line."""
    out = subprocess.run(["fribidi", "--nopad", "--nobreak", "--novisual", "--vtol", *options],
                         input="\n".join(lines) + "\n", capture_output=True, text=True,
                         check=True).stdout.splitlines()
    if len(out) != len(lines):
        sys.exit("fribidi drew %d lines of %d" % (len(out), len(lines)))
    return [[int(i) for i in o.split()] for o in out]


PROSE = "--prose" in sys.argv[1:]


def main():
    lines = [l for l in sys.stdin.read().splitlines() if PERSIAN.search(l)]
    if not lines:
        sys.exit("no Persian line to read")
    parts = [cells(l) for l in lines]
    texts = [l[a:b] for l, ps in zip(lines, parts) for a, b in ps]
    alone = iter(drawn(texts, "--rtl"))
    bad = []
    for line, ps, order in zip(lines, parts, drawn(lines)):
        at = {i: n for n, i in enumerate(order)}
        why = []
        spans = []
        for a, b in ps:
            own = next(alone)
            text = line[a:b]
            seen = [i - a for i in order if a <= i < b and line[i] not in MARKS]
            meant = [i for i in own if text[i] not in MARKS] if PERSIAN.search(text) else \
                [i for i in range(len(text)) if text[i] not in MARKS]
            if seen != meant:
                why.append("%s is not drawn as written" % text if not PERSIAN.search(text) else
                           "a Persian part is not drawn right to left as a whole")
            for item in ITEM.finditer(text):
                where = [at[a + i] for i in range(item.start(), item.end())]
                if where != list(range(where[0], where[0] + len(where))):
                    why.append("%s is drawn reversed or broken" % item.group())
            spans.append((min(at[i] for i in range(a, b)), max(at[i] for i in range(a, b))))
        if any(spans[n][1] > spans[n + 1][0] for n in range(len(spans) - 1)) and len(spans) > 1:
            why.append("its columns are not in their order from the left")
        if why:
            shown = "".join(line[i] for i in order if line[i] not in MARKS)
            bad.append("%s\n    drawn: %s\n    %s" % (line, shown, "; ".join(why)))
    for b in bad:
        print(b)
    print("%d of %d Persian lines out of order" % (len(bad), len(lines)), file=sys.stderr)
    sys.exit(1 if bad else 0)


main()
