#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the translations (translations/*.ts): every message finished and
none obsolete, and every translation keeping its source's place markers
(%1, %n ...) and its number of keyboard accelerators (&). Prints every fault
and exits 1."""

import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

MARKER = re.compile(r"%L?(\d{1,2}|n)")


def markers(text):
    return sorted(MARKER.findall(text))


def accelerators(text):
    # "&&" is an ampersand; "&" before a space is not a mnemonic either.
    return len(re.findall(r"&(?=[^&\s])", text.replace("&&", "")))


def forms(message):
    translation = message.find("translation")
    if translation is None:
        return None, []
    numerus = translation.findall("numerusform")
    texts = [form.text or "" for form in numerus] if numerus else [translation.text or ""]
    return translation.get("type"), texts


def check(path):
    faults = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{path.name}: {name}: {source!r}"
            state, texts = forms(message)
            if state in ("unfinished", "obsolete", "vanished") or not any(texts):
                faults.append(f"{where}: {state or 'empty'}")
                continue
            for text in texts:
                if markers(text) != markers(source):
                    faults.append(f"{where}: place markers {markers(text)} in {text!r}, not {markers(source)}")
                if accelerators(text) != accelerators(source):
                    faults.append(f"{where}: {accelerators(text)} accelerators in {text!r},"
                                  f" not {accelerators(source)}")
    return faults


def main():
    folder = Path(sys.argv[1])
    files = sorted(folder.glob("*.ts"))
    if not files:
        print(f"no .ts files in {folder}", file=sys.stderr)
        return 1
    faults = [fault for path in files for fault in check(path)]
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
