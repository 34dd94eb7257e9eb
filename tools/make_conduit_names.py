#!/usr/bin/env python3
"""Writes the conduit name file (128-byte records: a 64-byte creator ID text and
a 64-byte display name, each ending at its first zero byte) from its readable
source, one "creator<TAB>name" a line, '#' starting a comment."""
import sys

FIELD = 64


def field(text, line_number):
    data = text.encode("cp1252")
    if len(data) >= FIELD:
        sys.exit(f"line {line_number}: '{text}' is longer than {FIELD - 1} bytes")
    return data.ljust(FIELD, b"\0")


def records(source):
    for number, line in enumerate(source, start=1):
        line = line.rstrip("\r\n")
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        creator, separator, name = line.partition("\t")
        if not separator or not creator.strip():
            sys.exit(f"line {number}: expected a creator ID, a tab and a name")
        yield field(creator.strip(), number) + field(name.strip("\t "), number)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_conduit_names.py SOURCE OUTPUT")
    with open(sys.argv[1], encoding="utf-8") as source:
        data = b"".join(records(source))
    with open(sys.argv[2], "wb") as output:
        output.write(data)


if __name__ == "__main__":
    main()
