#!/usr/bin/env python3
"""Writes the string table's Ukrainian and English texts as C++ from the .ts files.

Usage: ts_to_table.py OUTPUT.cpp uk=orvik_uk.ts en=orvik_en.ts

The string table's texts are the messages of the context "StringTable"; each one's
disambiguation is its id. Only finished translations are written: an unfinished or vanished
one leaves the Russian text in place. The device core and orvik-cli link the result without Qt.
"""
import sys
import xml.etree.ElementTree as ElementTree

LANGUAGES = {"uk": "Language::Ukrainian", "en": "Language::English"}


def finished_texts(ts_file):
    texts = {}
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        if context.findtext("name") != "StringTable":
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            comment = message.findtext("comment") or ""
            if translation is None or translation.get("type") or not comment.isdigit():
                continue
            if translation.text:
                texts[int(comment)] = translation.text
    return texts


def literal(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")
    escaped = escaped.replace("\t", "\\t").replace("?", "\\?")
    return 'u"' + escaped + '"'


def main(arguments):
    output, tables = arguments[0], []
    for argument in arguments[1:]:
        code, _, ts_file = argument.partition("=")
        tables.append((code, finished_texts(ts_file)))
    lines = [
        "// Generated from the .ts files by res/translations/ts_to_table.py: do not edit.",
        '#include "res/string_table_translations.h"',
        "",
        "namespace orvik {",
        "namespace {",
        "",
    ]
    for code, texts in tables:
        lines.append("constexpr TranslatedString k_%s[] = {" % code)
        for string_id in sorted(texts):
            lines.append("    {%d, %s}," % (string_id, literal(texts[string_id])))
        lines.append("    {0, u\"\"},  // never empty")
        lines.append("};")
        lines.append("")
    lines += ["}  // namespace", "", "std::span<const TranslatedString> TranslatedStrings(Language language) {"]
    for code, texts in tables:
        lines.append("    if (language == %s) {" % LANGUAGES[code])
        lines.append("        return std::span(k_%s, %d);" % (code, len(texts)))
        lines.append("    }")
    lines += ["    return {};", "}", "", "}  // namespace orvik", ""]
    content = "\n".join(lines)
    try:
        with open(output, encoding="utf-8") as existing:
            if existing.read() == content:
                return 0
    except OSError:
        pass
    with open(output, "w", encoding="utf-8") as out:
        out.write(content)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
