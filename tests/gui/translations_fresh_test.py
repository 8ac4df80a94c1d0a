#!/usr/bin/env python3
"""The translations are up to date with the sources and finished.

Usage: translations_fresh_test.py LUPDATE SOURCES.lst TS_FILE...

Runs lupdate over the sources (as "ninja update_translations" does) into a copy of each .ts
file and fails when the copy differs from the file (a text added, changed or gone in the
sources), when a message is unfinished or vanished, or when a translation loses or gains a
marker the program fills in (%1 ... %9, %s), the keyboard accelerator (&) or the tab before a
shortcut.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

MARKERS = re.compile(r"%[1-9s]")


def marks(text):
    accelerator = len(re.findall(r"&(?!&)", text.replace("&&", ""))) > 0
    return sorted(MARKERS.findall(text)), accelerator, text.count("\t")


def problems(ts_file):
    found = []
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = "%s: %s \"%s\"" % (ts_file, name, source[:60])
            kind = translation.get("type") if translation is not None else "missing"
            if kind:
                found.append("%s: %s" % (where, kind))
            elif not translation.text:
                found.append("%s: empty translation" % where)
            elif marks(source) != marks(translation.text):
                found.append("%s: markers differ in \"%s\"" % (where, translation.text[:60]))
    return found


def main(lupdate, sources, ts_files):
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts_file in ts_files:
            copy = "%s/%s" % (scratch, ts_file.rsplit("/", 1)[-1])
            shutil.copyfile(ts_file, copy)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete",
                            "@" + sources, "-ts", copy], check=True)
            with open(ts_file, encoding="utf-8") as a, open(copy, encoding="utf-8") as b:
                if a.read() != b.read():
                    failures.append("%s is out of date with the sources: run "
                                    "\"ninja update_translations\" and translate what it "
                                    "marks unfinished" % ts_file)
            failures += problems(ts_file)
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
