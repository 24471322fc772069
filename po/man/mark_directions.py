#!/usr/bin/python3
"""Marks a translated manual page, in a language written right to left, so that a terminal with
bidi shows each of its lines in order, wherever groff breaks them.

Such a terminal lays out each line by its first strong letter. In a Persian paragraph a run of
Latin words (an option, a date, an English example) would start some line and turn it left to
right, and an option's hyphens or a date's would be drawn on the wrong side of it. So each run
of Latin words in a line of text gets a right-to-left mark (the line it starts stays right to
left) and a left-to-right mark (its hyphens stay with it), and blanks that do not break inside
it, so that no line starts or ends in its middle; a Persian comma or semicolon ends a run, as
the items of a list are read one by one. A description beside a tag (.TP, .IP) begins with a
right-to-left isolate, so that it reads from its right beside a tag at the left.

Usage: mark_directions.py PAGE > MARKED
"""
import re
import sys

ARABIC = re.compile("[\u0600-\u06ff]")  # the script: letters, digits, punctuation
PERSIAN = re.compile("[\u0620-\u064a\u066e-\u06d3\u06d5\u06fa-\u06ff]")  # letters
LATIN = re.compile("[A-Za-z0-9]")
ESCAPE = re.compile(r"\\(?:f(?:\[[^]]*\]|.)|\[([^]]*)\]|\((..)|-|&|.)")
NAMED = {"en": "\u2013", "em": "\u2014", "pc": "\u00b7", "lq": "\u201c", "rq": "\u201d"}
RUN_START = "\\[u200F]\\[u200E]"   # RLM, then LRM
ISOLATE = "\\[u2067]"              # RLI
OPENING = "(\"«[\u201c"
LONGEST_RUN = 40  # columns a run keeps on one line; a longer one may break, as English would


def visible(word):
    """Takes a word of roff text; returns what it shows, the escapes that draw nothing left out."""
    def shown(match):
        name = match.group(1) or match.group(2)
        if name is None:
            return "-" if match.group(0) == "\\-" else ""
        if name.startswith("u") and len(name) == 5:
            return chr(int(name[1:], 16))
        return NAMED.get(name, "?")
    return ESCAPE.sub(shown, word)


def marked(line):
    """Takes a line of roff text; returns it with its runs of Latin words marked."""
    words = line.split(" ")
    out = []
    run = False  # within a run of Latin words
    length = 0   # its columns
    for n, word in enumerate(words):
        seen = visible(word)
        latin = LATIN.search(seen) is not None and PERSIAN.search(seen) is None
        neutral = LATIN.search(seen) is None and PERSIAN.search(seen) is None
        # a neutral word joins a run only when a Latin word follows it
        if neutral and run and n + 1 < len(words):
            following = visible(words[n + 1])
            neutral_joins = LATIN.search(following) is not None and not PERSIAN.search(following)
        else:
            neutral_joins = False
        if latin and not run:
            at = 0
            while at < len(word) and word[at] in OPENING:
                at += 1
            word = word[:at] + RUN_START + word[at:]
        ends = latin or (run and neutral_joins)
        if ends and not (n + 1 < len(words) and joins(word, words[n + 1])):
            word = ended(word)
        if run and (latin or neutral_joins) and length + 1 + len(seen) <= LONGEST_RUN:
            out[-1] += "\\ " + word
            length += 1 + len(seen)
        else:
            if run and latin:  # a run too long to keep on one line goes on as another
                word = RUN_START + word
            out.append(word)
            length = len(seen)
        run = ends and not seen.endswith(("،", "؛"))
    return " ".join(out)


def joins(word, following):
    """Whether a run of Latin words goes on from word to the one following it."""
    seen, next_seen = visible(word), visible(following)
    return not seen.endswith(("،", "؛")) and LATIN.search(next_seen) is not None and \
        PERSIAN.search(next_seen) is None


def ended(word):
    """Takes the last word of a run; returns it with a left-to-right mark after its last Latin
    character, so that what it ends with ("fa_*") stays with it; closing marks stay outside."""
    at = len(word)
    while at > 0 and (word[at - 1] in ")»\u201d\".,:;،؛" or word[at - 1] == "P" and
                      word[at - 3:at] == "\\fP"):
        at -= 3 if word[at - 3:at] == "\\fP" else 1
    return word[:at] + "\\[u200E]" + word[at:]


def isolated(line):
    """Takes a tag's line; returns it with each run of its words in Persian (letters or digits) a
    right-to-left isolate, so that a tag left to right keeps "۱۰ محرم ۱۴۴۸" in its order."""
    words = line.split(" ")
    out = []
    for n, word in enumerate(words):
        persian = LATIN.search(visible(word)) is None and ARABIC.search(visible(word))
        before = n > 0 and LATIN.search(visible(words[n - 1])) is None and \
            ARABIC.search(visible(words[n - 1]))
        if persian and not before:
            word = ISOLATE + word
        if persian and (n + 1 == len(words) or LATIN.search(visible(words[n + 1])) or
                        not ARABIC.search(visible(words[n + 1]))):
            word += "\\[u2069]"
        out.append(word)
    return " ".join(out)


def main():
    lines = open(sys.argv[1], encoding="utf-8").read().split("\n")
    out = []
    paragraph = []  # lines of text to be filled together, joined so that a run may span them
    filled = True   # not between .nf and .fi
    tag_next = describe = keep = False
    sections = 0

    def flush():
        nonlocal describe
        if paragraph:
            text = " ".join(paragraph)
            if ARABIC.search(visible(text)):
                text = (ISOLATE if describe else "") + marked(text)
            out.append(text)
            paragraph.clear()
        describe = False

    for line in lines:
        if line.startswith((".", "'")):
            flush()
            request = line.split(" ", 1)[0]
            # the first section is NAME, "name \\- summary", which whatis reads as it is
            sections += request == ".SH"
            keep = sections == 1
            filled = {".nf": False, ".EX": False, ".fi": True, ".EE": True}.get(request, filled)
            tag_next = request == ".TP"
            describe = request == ".IP" and len(line.split()) > 1
            out.append(line)
        elif tag_next:
            out.append(isolated(line) if ARABIC.search(visible(line)) else line)
            tag_next, describe = False, True
        elif not filled or keep or line.startswith(" ") or not line:
            flush()
            out.append(line)
        else:
            paragraph.append(line)
    flush()
    sys.stdout.write("\n".join(out))


main()
