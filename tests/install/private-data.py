#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
"""The binary interface's rule for the installed headers: every QObject class keeps its data
behind one private pointer, `std::unique_ptr<Private> const d` (a class of its own or a nested
one), so that a member added to or taken from it later changes nothing that a program built
against the library compiled in (sizes, offsets, inline accessors).

    private-data.py <installed include folder>

Prints each class that breaks the rule with its data members, and fails if there is one."""
import pathlib
import re
import sys

CLASS = re.compile(r'^(?:class|struct)\s+(?:\w+_EXPORT\s+)?(\w+)\s*(?:final\s*)?:?[^;{]*\{', re.M)
POINTER = re.compile(r'^std::unique_ptr<\s*(?:class\s+)?\w+\s*>\s+const\s+d$')


def strip(text):
    """The header without comments and string literals."""
    text = re.sub(r'/\*.*?\*/', ' ', text, flags=re.S)
    text = re.sub(r'//[^\n]*', '', text)
    return re.sub(r'"(?:\\.|[^"\\])*"', '""', text)


def body(text, start):
    """The text between the brace at start and its match, nested braces blanked out."""
    depth, out, i = 0, [], start
    while i < len(text):
        c = text[i]
        if c == '{':
            depth += 1
            if depth > 1:
                out.append(' ')
        elif c == '}':
            depth -= 1
            if depth == 0:
                return ''.join(out)
        elif depth == 1:
            out.append(c)
        i += 1
    return ''.join(out)


def data_members(declarations):
    """The declarations of a class body that declare data: not functions, types, macros or
    access labels."""
    members = []
    for statement in declarations.split(';'):
        s = re.sub(r'\b(public|protected|private|Q_SIGNALS|Q_SLOTS)\s*:', ' ', statement)
        s = ' '.join(s.split())
        if not s or '(' in s or s.startswith(('using ', 'friend ', 'typedef ', 'enum ', 'static ', 'class ', 'struct ', 'template')):
            continue
        if s.startswith('Q_') or s == '=':
            continue
        members.append(s)
    return members


def main(include):
    offenders = []
    for header in sorted(pathlib.Path(include).rglob('*.h')):
        text = strip(header.read_text(encoding='utf-8'))
        for match in CLASS.finditer(text):
            declarations = body(text, match.end() - 1)
            if 'Q_OBJECT' not in declarations:
                continue
            members = data_members(declarations.replace('Q_OBJECT', ''))
            if len(members) != 1 or not POINTER.match(members[0]):
                offenders.append((header.relative_to(include), match.group(1), members))
    for header, name, members in offenders:
        print(f'{header}: {name} keeps data in the header: {members or "no private pointer"}')
    checked = sum(1 for _ in pathlib.Path(include).rglob('*.h'))
    print(f'{checked} installed headers read; {len(offenders)} QObject classes break the rule')
    return 1 if offenders else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))
