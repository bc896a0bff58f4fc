#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# The layers of the tree, as each folder's includes show them: a folder may include its own
# headers and those of the folders below it, and nothing else (no path climbing out with "..").
#   widgetset/toolkit/base          base (Qt Core only)
#   widgetset/toolkit/stores        base, stores (Qt Core only: the INI and registry stores)
#   widgetset/toolkit/application   base, application
#   widgetset/toolkit/graphics      base, graphics
#   widgetset/toolkit/controls      base, application, graphics, properties, controls
#   widgetset/toolkit/properties    base, application, graphics, properties
#   widgetset/widgets               the toolkit, widgets
#   widgetset/layouts               the toolkit, widgets, layouts (the stored-layout reader)
#   widgetset/designer              the toolkit, widgets, its own files
#   platform                        the toolkit, platform
#   match                           the toolkit, platform, match
#   screens                         the toolkit, widgets, platform, screens
#   app                             everything of the game and the widget set
# The widget set never includes the game; its own build cannot see the game's headers either.
# An entry names the first folder of an include path, or the first two for the toolkit's parts.
#   layers.sh <source tree>
set -euo pipefail
cd "$1"

declare -A allowed=(
  [widgetset/toolkit/base]="toolkit/base"
  [widgetset/toolkit/stores]="toolkit/base toolkit/stores"
  [widgetset/toolkit/application]="toolkit/base toolkit/application"
  [widgetset/toolkit/graphics]="toolkit/base toolkit/graphics"
  [widgetset/toolkit/controls]="toolkit/base toolkit/application toolkit/graphics toolkit/properties toolkit/controls"
  [widgetset/toolkit/properties]="toolkit/base toolkit/application toolkit/graphics toolkit/properties"
  [widgetset/widgets]="toolkit widgets"
  [widgetset/layouts]="toolkit widgets layouts"
  [widgetset/designer]="toolkit widgets"
  [examples/widget-gallery]="toolkit widgets layouts"
  [examples/user-project]="toolkit widgets layouts"
  [platform]="toolkit platform"
  [match]="toolkit platform match"
  [screens]="toolkit widgets platform screens"
  [app]="toolkit widgets platform match screens app"
)

status=0
for folder in "${!allowed[@]}"; do
  while IFS=: read -r file line include; do
    header=$(sed -E 's/.*#include [<"]([^">]+)[">].*/\1/' <<<"$include")
    [[ "$header" == */* ]] || continue # the folder's own files
    top=${header%%/*}
    rest=${header#*/}
    [[ "$top" == toolkit && "$rest" == */* ]] && part="toolkit/${rest%%/*}" || part=$top
    if [[ "$header" == *..* || ( " ${allowed[$folder]} " != *" $top "* && " ${allowed[$folder]} " != *" $part "* ) ]]; then
      echo "$file:$line: $folder may not include $header" >&2
      status=1
    fi
  done < <(grep -rnE '^\s*#\s*include\s*("|<(toolkit|widgets|layouts|platform|match|screens|app)/)' "$folder" \
             --include='*.h' --include='*.cpp' || true)
done
[[ $status -eq 0 ]] && echo "layers: every include follows the layers"
exit $status
