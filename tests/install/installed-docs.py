#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
"""The widget set's API documentation as `cmake --install` puts it under a prefix.

Each widget's page, in the HTML and in the Qt help file, reads like a class page of Qt or KDE:
it has its Properties, Public Slots and Signals (its own or inherited), a picture and an
example, and the main page links it. No page documents the library's insides: no internal class, and no header that is not
installed.

    installed-docs.py <build tree> <work folder> <with Qt help file: yes|no> <installed header>...
"""
import re
import sqlite3
import subprocess
import sys
import zlib
from pathlib import Path

WIDGETS = ["TZRKFadeButton", "TShineSpeedButton", "TSpeedButton", "THistoryComboBox"]
SECTIONS = ["Properties", "Public Slots", "Signals"]
# The classes and namespaces of the headers that stay inside the library.
INTERNAL = ["TShinePaintCache", "TShineLook", "TExposedPart", "TProfileText", "TEntryLines", "TPropertyRefusal",
            "ProfileErrors"]


def page_name(widget):
    return f"classTarvoWidgets_1_1{widget}.html"


def has_section(page, section):
    own = re.search(r'class="groupheader"><a [^>]*></a>\s*' + section + r"</h2>", page)
    return own is not None or f"{section} inherited from" in page


def widget_page_faults(pages, where):
    """What a widget's page lacks; pages maps a file name to its text."""
    faults = []
    for widget in WIDGETS:
        page = pages.get(page_name(widget))
        if page is None:
            faults.append(f"{where}: no page of {widget}")
            continue
        faults += [f"{where}: {widget} has no {section} section" for section in SECTIONS
                   if not has_section(page, section)]
        pictures = re.findall(r'<div class="image">\s*<img src="([^"]+)"', page)
        if not any(picture in pages for picture in pictures):
            faults.append(f"{where}: {widget} shows no picture")
        if '<div class="fragment">' not in page:
            faults.append(f"{where}: {widget} shows no example")
    return faults


def main_page_faults(pages, where):
    """The main page links each widget's class page."""
    main_page = pages.get("index.html", "")
    return [f"{where}: the main page does not link {widget}" for widget in WIDGETS
            if f'href="{page_name(widget)}"' not in main_page]


def internal_faults(pages, installed, where):
    faults = []
    for name, text in pages.items():
        if not name.endswith(".html") or name.endswith("_source.html"):
            continue   # a source listing shows the installed header as it is
        for internal in INTERNAL:
            if re.search(r"\b" + internal + r"\b", text):
                faults.append(f"{where}: {name} names the internal {internal}")
        title = re.search(r"<title>[^:]*: (\S+\.h) File Reference", text)
        if title and title.group(1) not in installed:
            faults.append(f"{where}: {name} documents {title.group(1)}, which is not installed")
    return faults


def html_pages(folder):
    return {path.name: path.read_text(encoding="utf-8", errors="replace") for path in folder.iterdir()
            if path.suffix == ".html"} | {path.name: "" for path in folder.glob("*.png")}


def qch_pages(qch):
    """The pages of a Qt help file: each file's data is Qt's qCompress (a length, then zlib)."""
    with sqlite3.connect(f"file:{qch}?mode=ro", uri=True) as db:
        rows = db.execute("SELECT n.Name, d.Data FROM FileNameTable n JOIN FileDataTable d ON n.FileId = d.Id")
        return {Path(name).name: zlib.decompress(bytes(data)[4:]).decode("utf-8", "replace") if name.endswith(".html")
                else "" for name, data in rows}


def main(argv):
    build, work, with_qch, installed = Path(argv[1]), Path(argv[2]), argv[3] == "yes", set(argv[4:])
    prefix = work / "prefix"
    subprocess.run(["cmake", "-E", "rm", "-rf", str(prefix)], check=True)
    subprocess.run(["cmake", "--install", str(build), "--component", "Documentation", "--prefix", str(prefix)],
                   check=True, stdout=subprocess.DEVNULL)
    html = next(prefix.glob("share/doc/*/TarvoWidgets/html"), None)
    if html is None:
        print("installed-docs: FAIL: no HTML documentation installed", file=sys.stderr)
        return 1
    pages = html_pages(html)
    faults = widget_page_faults(pages, "HTML") + main_page_faults(pages, "HTML") + internal_faults(pages, installed, "HTML")
    qch = next(prefix.glob("share/doc/*/TarvoWidgets/TarvoWidgets.qch"), None)
    if qch is None and with_qch:
        faults.append("no Qt help file installed")
    elif qch is not None:
        help_pages = qch_pages(qch)
        faults += (widget_page_faults(help_pages, "Qt help") + main_page_faults(help_pages, "Qt help")
                   + internal_faults(help_pages, installed, "Qt help"))
    for fault in faults:
        print(f"installed-docs: FAIL: {fault}", file=sys.stderr)
    if not faults:
        print(f"installed-docs: the pages of {', '.join(WIDGETS)} are whole, and nothing internal is documented")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
