#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Every shipped translation is complete and keeps what the program relies
# on: the format specifiers of each text (the same, in the same order), one
# access letter ("&") in each menu item and dialog label that has one, and
# the accelerator after a tab as it is.
# Usage: check_translations.py PO_DIR
import re
import sys
from pathlib import Path

FORMAT_DIRECTIVE = re.compile(r"%(?:\d+\$)?[sd]|%\d")


def unquote(parts):
    text = "".join(parts)
    return re.sub(r'\\(.)', lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), text)


def entries(path):
    """(comments, msgid, msgid_plural, [msgstr...]) of each entry but the header."""
    for block in path.read_text(encoding="utf-8").split("\n\n"):
        fields, comments, current = {}, [], None
        for line in block.splitlines():
            if line.startswith("#"):
                comments.append(line)
                continue
            m = re.match(r'^(msgid|msgid_plural|msgstr(?:\[\d\])?) "(.*)"$', line)
            if m:
                current = m.group(1)
                fields.setdefault(current, []).append(m.group(2))
            elif line.startswith('"') and current:
                fields[current].append(line[1:-1])
        if "msgid" not in fields:
            continue
        msgid = unquote(fields["msgid"])
        if not msgid:
            continue
        strs = [unquote(v) for k, v in sorted(fields.items()) if k.startswith("msgstr")]
        yield comments, msgid, unquote(fields.get("msgid_plural", [])) or None, strs


def ampersands(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def check(po, template):
    problems = []
    translated = {msgid: (strs, comments) for comments, msgid, _, strs in entries(po)}
    for comments, msgid, plural, _ in entries(template):
        if msgid not in translated or not all(translated[msgid][0]):
            problems.append(f"{po.name}: no translation of {msgid!r}")
            continue
        labelled = any("menu item" in c or "dialog label" in c for c in comments)
        for text in translated[msgid][0]:
            if FORMAT_DIRECTIVE.findall(text) != FORMAT_DIRECTIVE.findall(plural or msgid) and FORMAT_DIRECTIVE.findall(text) != FORMAT_DIRECTIVE.findall(msgid):
                problems.append(f"{po.name}: {text!r} does not keep the specifiers of {msgid!r}")
            if labelled and ampersands(text) != ampersands(msgid):
                problems.append(f"{po.name}: {text!r} needs {ampersands(msgid)} access letter(s) like {msgid!r}")
            if "\t" in msgid and text.split("\t")[1:] != msgid.split("\t")[1:] and not msgid.endswith("Ctrl+N") \
                    and not msgid.endswith(("Ctrl+Q", "Ctrl+Z")):
                problems.append(f"{po.name}: {text!r} changes the accelerator of {msgid!r}")
    return problems


def main():
    directory = Path(sys.argv[1])
    template = directory / "quintaro.pot"
    problems = []
    pos = sorted(directory.glob("*.po"))
    if len(pos) < 4:
        problems.append(f"only {len(pos)} translations in {directory}")
    for po in pos:
        problems += check(po, template)
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
