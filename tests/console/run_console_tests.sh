#!/usr/bin/env bash
# Runs every console script in this folder. A script states what it expects:
#   #> text     a line that must appear in the output, in this order
#   #! exit N   the exit status (default 0)
# Each script runs with a fixed seed in a fresh temporary folder.
set -u
cli=$(realpath "$1")
dir=$(realpath "$2")
failed=0
for script in "$dir"/*.qms; do
  name=$(basename "$script" .qms)
  work=$(mktemp -d)
  out="$work/out.txt"
  (cd "$work" && "$cli" --seed 7 --dir "$work" "$script" >"$out" 2>"$work/err.txt")
  status=$?
  expected_status=$(sed -n 's/^#! exit \([0-9]*\)$/\1/p' "$script" | head -n1)
  expected_status=${expected_status:-0}
  ok=1
  if [ "$status" != "$expected_status" ]; then
    echo "FAIL $name: exit status $status, expected $expected_status"; ok=0
  fi
  # Expected lines, each found after the previous one.
  line_no=0
  while IFS= read -r want; do
    found=$(tail -n +"$((line_no + 1))" "$out" | grep -n -F -x -- "$want" | head -n1 | cut -d: -f1)
    if [ -z "$found" ]; then
      echo "FAIL $name: missing (in order): $want"; ok=0; break
    fi
    line_no=$((line_no + found))
  done < <(sed -n 's/^#> //p' "$script")
  if [ $ok = 0 ]; then
    echo "--- output of $name:"; cat "$out"; echo "--- errors:"; cat "$work/err.txt"; failed=1
  else
    echo "ok   $name"
  fi
  rm -rf "$work"
done
exit $failed
