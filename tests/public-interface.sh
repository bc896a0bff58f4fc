#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# The tests observe the widget set through what a user of the library can see: no test source
# names a protected or private member of one of its classes. The members are read from the
# widget set's headers: the fields and functions declared in a protected or private section of
# a class (Qt's event handlers, which every Qt widget exposes to subclasses, excepted). A test
# names one when it brings it into the open with a using-declaration or qualifies it with its
# class; a field (named F... in the library) also when it reaches it through an object (-> or
# .). A name that some class of the library also has in public is left to the compiler.
#   public-interface.sh <source tree>
set -euo pipefail
cd "$1"

# Prints "<access> <name>" for each member declared at the top level of a class body.
members() {
  awk '
    function strip(line) {
      sub(/\/\/.*/, "", line)
      gsub(/"([^"\\]|\\.)*"/, "\"\"", line)
      return line
    }
    {
      line = strip($0)
      if (match(line, /^[[:space:]]*(class|struct)[[:space:]]+[A-Za-z_][A-Za-z_0-9]*[^;]*$/) && line !~ /\)/) {
        pending = (line ~ /^[[:space:]]*struct/) ? "public" : "private"
      }
      opens = gsub(/\{/, "{", line)
      closes = gsub(/\}/, "}", line)
      if (pending != "" && opens > 0) {
        stack[++top] = depth + 1
        access[top] = pending
        pending = ""
      }
      if (top > 0 && depth == stack[top]) {
        if (line ~ /^[[:space:]]*public( Q_SLOTS)?:/ || line ~ /^[[:space:]]*Q_SIGNALS:/) access[top] = "public"
        else if (line ~ /^[[:space:]]*protected( Q_SLOTS)?:/) access[top] = "protected"
        else if (line ~ /^[[:space:]]*private( Q_SLOTS)?:/) access[top] = "private"
        else if (line !~ /^[[:space:]]*(Q_OBJECT|Q_GADGET|Q_PROPERTY|Q_ENUM|Q_FLAG|Q_DECLARE|Q_INTERFACES|Q_CLASSINFO|Q_PLUGIN|friend|using|typedef|enum|class|struct|#)/) {
          name = ""
          # A field with an initialiser: the name is before the =.
          eq = index(line, "="); par = index(line, "(")
          if (eq > 0 && (par == 0 || eq < par)) line = substr(line, 1, eq - 1) ";"
          if (match(line, /[A-Za-z_][A-Za-z_0-9]*[[:space:]]*\(/)) {
            name = substr(line, RSTART, RLENGTH)
            sub(/[[:space:]]*\($/, "", name)
          } else if (match(line, /[A-Za-z_][A-Za-z_0-9]*[[:space:]]*(=[^=].*|\{.*\})?;/)) {
            name = substr(line, RSTART, RLENGTH)
            sub(/[^A-Za-z_0-9].*/, "", name)
          }
          if (name != "" && name !~ /^(operator|explicit|virtual|static|const|override|return|Q_[A-Z_]+)$/)
            print access[top], name
        }
      }
      depth += opens - closes
      while (top > 0 && depth < stack[top]) top--
    }' "$@"
}

mapfile -t headers < <(find widgetset -path widgetset/tests -prune -o -name '*.h' -print)
members "${headers[@]}" | sort -u >"${TMPDIR:-/tmp}/public-interface.$$"
trap 'rm -f "${TMPDIR:-/tmp}/public-interface.$$"' EXIT
public=$(awk '$1 == "public" { print $2 }' "${TMPDIR:-/tmp}/public-interface.$$" | sort -u)
hidden=$(awk '$1 != "public" { print $2 }' "${TMPDIR:-/tmp}/public-interface.$$" | sort -u |
         comm -23 - <(printf '%s\n' "$public") | grep -vE '^(event|eventFilter|[a-z][A-Za-z]*Event)$' || true)
if [[ -z "$hidden" ]]; then
  echo "public-interface: no protected or private member found in the widget set's headers" >&2
  exit 1
fi
names=$(paste -sd'|' <<<"$hidden")
fields=$(grep -E '^F[A-Z]' <<<"$hidden" | paste -sd'|' || true)

status=0
while IFS= read -r hit; do
  echo "$hit: names a protected or private member of the widget set" >&2
  status=1
done < <(grep -rnE --include='*.cpp' --include='*.h' \
           "(using[[:space:]]+([A-Za-z_]+::)*T[A-Za-z0-9_]*::($names)\b|\bT[A-Za-z0-9_]*::($names)\b|(->|\.)(${fields:-F[A-Z][A-Za-z0-9_]*})\b)" tests widgetset/tests || true)
[[ $status -eq 0 ]] && echo "public-interface: the tests name no protected or private member of the widget set"
exit $status
