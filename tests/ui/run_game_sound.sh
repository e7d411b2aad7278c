#!/usr/bin/env bash
# Starts the real game with SDL's disk audio driver, which writes what would
# be played to a file, and lets it run on the real clock for a few seconds:
# the intro must reach the device as sound. With both switches off, nothing
# but silence may arrive. Without any audio device the game must still start
# and end normally.
set -euo pipefail
game="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=offscreen XDG_DATA_HOME="$work/xdg"

# The loudest 16-bit sample in a raw file (0 for an empty or missing file).
loudest() {
  [ -s "$1" ] || { echo 0; return; }
  od -An -v -td2 "$1" | awk '{for (i = 1; i <= NF; i++) { v = $i < 0 ? -$i : $i; if (v > m) m = v }} END { print m + 0 }'
}

# Runs the game for $2 seconds with the input script $1 and the player's folder
# $3, ending it as a window manager would.
run() {
  local status=0
  timeout -k 5 -s TERM "$2" "$game" --dir "$work/$3" --ui-script "$1" 2>>"$work/stderr" || status=$?
  # 124: stopped by the timeout's TERM, which the game takes as closing its window.
  [ "$status" -eq 0 ] || [ "$status" -eq 124 ] || { echo "the game failed ($status)"; cat "$work/stderr"; exit 1; }
}

printf 'play\n' > "$work/on.uis"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/on.raw" run "$work/on.uis" 8 on
peak="$(loudest "$work/on.raw")"
[ "$peak" -gt 1000 ] || { echo "the intro did not reach the device (loudest sample $peak)"; cat "$work/stderr"; exit 1; }

printf 'set Option.Music 0\nset Option.SoundEffects 0\nplay\n' > "$work/off.uis"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/off.raw" run "$work/off.uis" 4 off
peak="$(loudest "$work/off.raw")"
[ "$peak" -eq 0 ] || { echo "music played with the switches off (loudest sample $peak)"; exit 1; }

# No audio device at all: silence and one line, then a normal end.
: > "$work/stderr"
SDL_AUDIODRIVER=nosuchdriver run "$work/on.uis" 3 none
[ "$(grep -c 'quellmark: sound:' "$work/stderr")" -le 1 ] || { echo "more than one line for no device"; cat "$work/stderr"; exit 1; }
echo "ok"
