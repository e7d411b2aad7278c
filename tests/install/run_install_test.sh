#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves the whole installation
# elsewhere, and checks that every file is in its place, that the moved game
# still finds its data folder, and that the desktop entry and the AppStream
# metainfo pass their validators.
#   run_install_test.sh BUILD_DIR APP_ID BINDIR DATADIR SHAREDIR MANDIR
set -u
build=$(realpath "$1")
id=$2
bindir=$3 datadir=$4 sharedir=$5 mandir=$6
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

cmake --install "$build" --prefix "$work/first" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; exit 1; }
# A relocated installation: the prefix it was installed for no longer exists.
mv "$work/first" "$work/moved"
prefix="$work/moved"

expect_file() { [ -s "$prefix/$1" ] || fail "missing or empty: $1"; }
expect_file "$bindir/quellmark"
expect_file "$bindir/quellmark-cli"
for f in Intro.ogg Background.ogg button.wav Explosion_Ship.wav quellmark-manual.pdf; do expect_file "$datadir/$f"; done
expect_file "$sharedir/applications/$id.desktop"
expect_file "$sharedir/metainfo/$id.metainfo.xml"
for size in 16 22 24 32 48 64 128 256 512; do
  icon="$sharedir/icons/hicolor/${size}x${size}/apps/$id.png"
  expect_file "$icon"
  # The PNG header holds width and height: the icon must have the size of its folder.
  if [ -s "$prefix/$icon" ]; then
    dims=$(od -An -tu1 -j16 -N8 "$prefix/$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "$icon is $dims"
  fi
done
expect_file "$sharedir/icons/hicolor/scalable/apps/$id.svg"
grep -q '<svg' "$prefix/$sharedir/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is no SVG"
expect_file "$mandir/man6/quellmark.6"
expect_file "$mandir/man6/quellmark-cli.6"
for page in quellmark quellmark-cli; do
  warnings=$(groff -man -Tutf8 -ww -z "$prefix/$mandir/man6/$page.6" 2>&1)
  [ -z "$warnings" ] || fail "man page $page: $warnings"
done

# The moved game finds its data folder beside its own bin folder, not in the
# build tree and not in the prefix it was installed for. It runs from an empty
# folder, so the working directory cannot help it.
mkdir -p "$work/elsewhere"
manual=$(cd "$work/elsewhere" && HOME="$work/home" XDG_DATA_HOME= "$prefix/$bindir/quellmark" --manual) ||
  fail "quellmark --manual failed"
[ -n "$manual" ] && [ "$(realpath "$manual")" = "$(realpath "$prefix/$datadir/quellmark-manual.pdf")" ] ||
  fail "quellmark --manual printed '$manual', not the moved installation's manual"
[ ! -e "$work/home" ] || fail "--manual created the savegame folder"
# Both programs name their version and build.
"$prefix/$bindir/quellmark" --version | grep -q '^quellmark [0-9.]* (commit [0-9a-z]*, .* build)$' ||
  fail "quellmark --version: $("$prefix/$bindir/quellmark" --version)"
"$prefix/$bindir/quellmark-cli" --version | grep -q '^quellmark-cli [0-9.]* (commit [0-9a-z]*, .* build)$' ||
  fail "quellmark-cli --version"
# The moved console still plays, and makes the savegame folder it is given.
printf 'new 1 2 0 Ada\nsave 1 Moved\n' | "$prefix/$bindir/quellmark-cli" --seed 3 --dir "$work/saves/new" >/dev/null ||
  fail "quellmark-cli"
[ -s "$work/saves/new/Savegame1.int" ] || fail "quellmark-cli did not save into a new --dir folder"

desktop-file-validate "$prefix/$sharedir/applications/$id.desktop" || fail "desktop-file-validate"
grep -q "^Icon=$id$" "$prefix/$sharedir/applications/$id.desktop" || fail "the desktop entry names another icon"
appstreamcli validate --no-net --strict "$prefix/$sharedir/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 ||
  { cat "$work/as.log"; fail "appstreamcli validate"; }

[ $failed = 0 ] && echo "ok   install into $prefix (moved), $(find "$prefix" -type f | wc -l) files"
exit $failed
