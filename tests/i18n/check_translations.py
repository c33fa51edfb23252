#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails on a translation a user would notice: one not finished or missing,
# one whose placeholders (%1, %L2) or accelerator (&) differ from the English.
#   check_translations.py FILE.ts...
import re
import sys
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%L?\d+")


def accelerators(text):
    # "&&" is a literal ampersand, not an accelerator.
    return len(re.findall(r"&(?!&)[^&\s]", text.replace("&&", "")))


def faults(path):
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = translation.text or "" if translation is not None else ""
            where = f"{path}: [{name}] {source!r}"
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("vanished", "obsolete"):
                continue
            if kind in ("unfinished", "missing") or not text:
                yield f"{where}: not translated"
                continue
            if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                yield f"{where}: placeholders differ in {text!r}"
            if accelerators(source) != accelerators(text):
                yield f"{where}: accelerator differs in {text!r}"


def main(paths):
    found = [fault for path in paths for fault in faults(path)]
    for fault in found:
        print(fault)
    print(f"{len(found)} fault(s) in {len(paths)} file(s)")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
