#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
"""Fails naming every public property, signal and public slot that has no documentation.

Reads doxygen's XML output (the folder of index.xml). Doxygen's own WARN_IF_UNDOCUMENTED
cannot be narrowed to these kinds: it would ask for a comment on every getter and setter,
which the property's comment already covers. These three are what a Qt programmer looks up
on a class page, in Designer and in the connect() calls, so each must say what it is.

    check-documented.py <doxygen xml folder>
"""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

# The public members that must be documented, by doxygen's member kind. They are found by their
# own kind, not by the section that lists them: the members of a group (///@{ … ///@}) sit in a
# section of the group's own.
CHECKED_KINDS = {
    "property": "property",
    "signal": "signal",
    "slot": "public slot",
}


def has_text(element):
    return element is not None and "".join(element.itertext()).strip() != ""


def undocumented(compound_file):
    """(location, description) of each undocumented checked member of one class."""
    root = ET.parse(compound_file).getroot()
    for compound in root.iter("compounddef"):
        if compound.get("kind") not in ("class", "struct"):
            continue
        class_name = compound.findtext("compoundname")
        for member in compound.iter("memberdef"):
            kind = CHECKED_KINDS.get(member.get("kind"))
            if kind is None or member.get("prot") != "public":
                continue
            if has_text(member.find("briefdescription")) or has_text(member.find("detaileddescription")):
                continue
            where = member.find("location")
            # Doxygen puts a property on line 1 and its declaration at bodystart.
            line = where.get("bodystart") if kind == "property" else where.get("line")
            location = f"{where.get('file')}:{line}" if where is not None else class_name
            yield location, f"undocumented {kind} {class_name}::{member.findtext('name')}"


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    folder = Path(argv[1])
    compounds = sorted(folder.glob("class*.xml")) + sorted(folder.glob("struct*.xml"))
    if not (folder / "index.xml").is_file():
        print(f"check-documented: no doxygen XML in {folder}", file=sys.stderr)
        return 2
    found = [finding for compound in compounds for finding in undocumented(compound)]
    for location, what in found:
        print(f"{location}: error: {what}", file=sys.stderr)
    if found:
        print(f"check-documented: {len(found)} public properties, signals and slots without documentation",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
