#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the export of every sample image against the values schema, the
layout that locate writes for every modified sample against the layout
schema, and that each schema refuses documents that break it.

Usage: check-schema.py SCHEMA KORVANE-TOOL KORVANE-SAMPLEROM LAYOUT-SCHEMA"""

import copy
import json
import pathlib
import subprocess
import sys
import tempfile

import jsonschema


def main():
    schema_path, tool, samplerom = sys.argv[1:4]
    schema = json.loads(pathlib.Path(schema_path).read_text())
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([samplerom, folder], check=True, stdout=subprocess.DEVNULL)
        documents = []
        for image in sorted(pathlib.Path(folder).glob("sample-*.bin")):
            run = subprocess.run([tool, "export", str(image)], capture_output=True, text=True)
            if run.returncode != 0:
                continue  # a game without editors has no document
            document = json.loads(run.stdout)
            documents.append(document)
            for error in validator.iter_errors(document):
                print(f"{image.name}: {error.json_path}: {error.message}")
                failures += 1
        if len(documents) < 8:
            print(f"only {len(documents)} documents exported")
            failures += 1
        # Documents the schema must refuse.
        p2 = next(d for d in documents if d["game"] == "p2")
        broken = []
        for change in (
            lambda d: d.update(format="other"),
            lambda d: d.update(version=2),
            lambda d: d.update(extra={}),
            lambda d: d["objects"].update({"EHZ boss hits": 70000}),
            lambda d: d["demos"].update({"Normal Demos Length": 301}),
            lambda d: d["water"]["Level 1"].update(act="Act 3"),
            lambda d: d["texts"].update(op1=1),
        ):
            document = copy.deepcopy(p2)
            change(document)
            broken.append(document)
        for document in broken:
            if validator.is_valid(document):
                print("accepted a broken document:", json.dumps(document)[:120])
                failures += 1
        failures += check_layouts(pathlib.Path(folder), tool)
    return 1 if failures else 0


def check_layouts(folder, tool):
    schema = json.loads(pathlib.Path(sys.argv[4]).read_text())
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    failures = 0
    layouts = []
    for image in sorted(folder.glob("modified-*.bin")):
        original = folder / ("sample-" + image.name.split("-")[1] + ".bin")
        layout = folder / (image.name + ".layout.json")
        subprocess.run([tool, "locate", str(original), str(image), "-o", str(layout)],
                       capture_output=True)
        document = json.loads(layout.read_text())
        layouts.append(document)
        for error in validator.iter_errors(document):
            print(f"{layout.name}: {error.json_path}: {error.message}")
            failures += 1
    if len(layouts) < 4 or not all(d["values"] for d in layouts if d["game"] == "p1"):
        print(f"only {len(layouts)} layouts written")
        failures += 1
    for change in (
        lambda d: d.update(format="pelbo-korvane-values"),
        lambda d: d.update(extra=1),
        lambda d: d["values"].update({"objects/EHZ boss hits": "2EF76"}),
        lambda d: d["values"].update({"objects/EHZ boss hits": -1}),
    ):
        document = copy.deepcopy(layouts[0])
        change(document)
        if validator.is_valid(document):
            print("accepted a broken layout:", json.dumps(document)[:120])
            failures += 1
    return failures


if __name__ == "__main__":
    sys.exit(main())
