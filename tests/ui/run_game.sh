#!/usr/bin/env bash
# Runs the game binary without a display: a start-up screenshot, then an input
# script; both must succeed and write their pictures.
set -euo pipefail
game="$1"
scripts="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$work/xdg"
"$game" --screenshot "$work/menu.png"
test -s "$work/menu.png" || { echo "no start-up screenshot"; exit 1; }
test -f "$work/xdg/quellmark/GeneralData.int" || { echo "the player's data folder was not used"; exit 1; }
cd "$work"
"$game" --dir "$work/saves" --seed 7 --ui-script "$scripts/new_game.uis"
for shot in faction.png name.png profession.png welcome.png main.png; do
  test -s "$work/$shot" || { echo "missing $shot"; exit 1; }
done
if "$game" --ui-script "$scripts/does-not-exist.uis" 2>/dev/null; then echo "a missing script must fail"; exit 1; fi
echo "ok"
