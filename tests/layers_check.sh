#!/usr/bin/env bash
# Each module includes only the modules below it: the rules never reach up into
# the battles' callers or the screens, and the art kit and the platform layer
# stand on their own. Usage: layers_check.sh SOURCE_DIR
set -euo pipefail
src="$1/src"
# module: the modules its sources may include from (besides itself)
allowed=(
  "state:"
  "catalogue:state"
  "combat:state catalogue"
  "world:state catalogue combat"
  "art:"
  "platform:art state"
  "sound:state"
)
bad=0
for entry in "${allowed[@]}"; do
  module="${entry%%:*}"
  ok=" $module ${entry#*:} "
  while IFS= read -r line; do
    file="${line%%:*}"
    used="$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$line")"
    case "$ok" in
      *" $used "*) ;;
      *) echo "layering: $file includes from $used/ (allowed:$ok)"; bad=1 ;;
    esac
  done < <(grep -rHE '^\s*#include "[a-z_]+/' "$src/$module" || true)
  # The rules and the art kit build without SDL.
  if [ "$module" != platform ] && [ "$module" != sound ]; then
    if grep -rlE '^\s*#include <SDL' "$src/$module"; then
      echo "layering: $module includes SDL"; bad=1
    fi
  fi
done
[ "$bad" -eq 0 ] && echo "layers: every module includes only from below"
exit "$bad"
