#!/usr/bin/env bash
# The layers of the tree, as each folder's includes show them: a folder may include its own
# headers and those of the folders below it, and nothing else (no path climbing out with "..").
#   widgetset/toolkit   toolkit
#   widgetset/widgets   toolkit, widgets
#   widgetset/designer  toolkit, widgets, its own files
#   platform            toolkit, platform
#   match               toolkit, platform, match
#   screens             toolkit, widgets, platform, screens
#   app                 everything of the game and the widget set
# The widget set never includes the game; its own build cannot see the game's headers either.
#   layers.sh <source tree>
set -euo pipefail
cd "$1"

declare -A allowed=(
  [widgetset/toolkit]="toolkit"
  [widgetset/widgets]="toolkit widgets"
  [widgetset/designer]="toolkit widgets"
  [examples/widget-gallery]="toolkit widgets"
  [examples/user-project]="toolkit widgets"
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
    if [[ "$header" == *..* || " ${allowed[$folder]} " != *" $top "* ]]; then
      echo "$file:$line: $folder may not include $header" >&2
      status=1
    fi
  done < <(grep -rnE '^\s*#\s*include\s*("|<(toolkit|widgets|platform|match|screens|app)/)' "$folder" \
             --include='*.h' --include='*.cpp' || true)
done
[[ $status -eq 0 ]] && echo "layers: every include follows the layers"
exit $status
