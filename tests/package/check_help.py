#!/usr/bin/env python3
"""Reads a CHM help file back with Debian's CHM tools (libchm-bin) and checks it:
the contents, index and default page that its system file names are inside;
every page and picture that the contents and index name is inside, with the
anchor they name; every link and picture of every page leads to a file and an
anchor inside; every page is in the contents; every picture is a PNG.
    check_help.py cvhelp.chm"""
import html.parser
import os
import re
import struct
import subprocess
import sys
import tempfile
import urllib.parse

EXTERNAL = ("http:", "https:", "mailto:")


class Page(html.parser.HTMLParser):
    """The anchors a page defines and the references (links, pictures,
    style sheets, sitemap entries) it makes."""

    def __init__(self, text):
        super().__init__()
        self.anchors = set()
        self.references = []
        self.feed(text)

    def handle_starttag(self, tag, attributes):
        attributes = dict(attributes)
        for name in ("id", "name"):
            if attributes.get(name) and tag != "param":
                self.anchors.add(attributes[name])
        for name in ("href", "src"):
            if attributes.get(name):
                self.references.append(attributes[name])
        if tag == "param" and (attributes.get("name") or "").lower() == "local":
            self.references.append(attributes.get("value") or "")


def system_entries(path):
    """The entries of the CHM's #SYSTEM file: code -> text (0 contents, 1 index, 2 default topic)."""
    data = open(path, "rb").read()
    entries, offset = {}, 4
    while offset + 4 <= len(data):
        code, length = struct.unpack_from("<HH", data, offset)
        entries[code] = data[offset + 4 : offset + 4 + length].split(b"\0")[0].decode("latin-1")
        offset += 4 + length
    return entries


def main():
    chm = sys.argv[1]
    listing = subprocess.run(["enum_chmLib", chm], capture_output=True, text=True, check=True).stdout
    files = {m.group(1) for m in re.finditer(r"normal file\s+/(.+)$", listing, re.M)}
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["extract_chmLib", chm, folder], capture_output=True, check=True)
        system = system_entries(os.path.join(folder, "#SYSTEM"))
        faults = []
        for code, what in ((0, "contents"), (1, "index"), (2, "default page")):
            if system.get(code, "") not in files:
                faults.append(f"the {what} '{system.get(code, '')}' is not inside")
        pages = {name: Page(open(os.path.join(folder, name), encoding="latin-1").read())
                 for name in files if name.endswith((".html", ".hhc", ".hhk"))}

        def check(source, reference):
            if reference.startswith(EXTERNAL):
                return
            target, anchor = urllib.parse.urldefrag(reference)
            target = os.path.normpath(os.path.join(os.path.dirname(source), target)) if target else source
            if target not in files:
                faults.append(f"{source}: '{reference}' is not inside")
            elif anchor and anchor not in pages.get(target, Page("")).anchors:
                faults.append(f"{source}: '{reference}' names an anchor that {target} lacks")

        for name, page in sorted(pages.items()):
            for reference in page.references:
                check(name, reference)
        listed = {urllib.parse.urldefrag(r)[0] for r in pages.get(system.get(0, ""), Page("")).references}
        for name in sorted(files):
            if name.endswith(".html") and name not in listed:
                faults.append(f"{name} is not in the contents")
            if name.endswith(".png") and not open(os.path.join(folder, name), "rb").read(8) == b"\x89PNG\r\n\x1a\n":
                faults.append(f"{name} is not a PNG picture")
        if len(pages.get(system.get(1, ""), Page("")).references) == 0:
            faults.append("the index is empty")
    for fault in faults:
        print(fault, file=sys.stderr)
    print(f"{chm}: {len(files)} files, {len(pages)} pages and sitemaps, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
