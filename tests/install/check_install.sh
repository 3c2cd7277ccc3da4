#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop gets: the layout, the menu
# entry, the metadata, the manual page, and that the installed game, started from there, finds
# its help viewer and the viewer its help file.
#   check_install.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
id=org.example.dorvan

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# Runs a command every tenth of a second until it succeeds, for at most 15 seconds.
eventually() {
  for _ in $(seq 150); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
# A prefix with characters that the menu entry and the manual page must quote or escape.
prefix="$scratch/prefix with space, 100% \$HOME 'quotes\" ;"
cmake --install "$build" --prefix "$prefix" > "$scratch/install.log"

# ---- layout
for f in bin/dorvan libexec/dorvan/winhlp32; do
  [ -x "$prefix/$f" ] || fail "$f is not installed as a program"
done
[ "$(ls "$prefix/bin")" = dorvan ] || fail "bin/ holds more than the game: $(ls "$prefix/bin")"
for f in share/dorvan/dorvan4.hlp share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/scalable/apps/$id.svg share/man/man6/dorvan.6.gz share/doc/dorvan/copyright; do
  [ -f "$prefix/$f" ] || fail "$f is missing"
done
for size in 48 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  [ "$w $h" = "$size $size" ] || fail "$png is ${w}x$h"
done

# ---- menu entry and metadata
desktop=$prefix/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
# Quoted as the desktop-entry rules ask: " and $ escaped inside the quotes, % doubled, and then
# each backslash doubled (the scratch folder's own name needs no quoting).
exec_line="Exec=\"$scratch/prefix with space, 100%% \\\\\$HOME 'quotes\\\\\" ;/bin/dorvan\""
[ "$(grep -c -xF "$exec_line" "$desktop")" = 2 ] || fail "the menu entry does not start the installed game"
grep -qxF "$exec_line 4" "$desktop" || fail "the Tesseract action does not open the 4D window"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" > "$scratch/appstream.log" ||
  { cat "$scratch/appstream.log"; fail "appstreamcli validate"; }
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "the metadata's release is not $version"

# ---- manual page: renders without a warning and carries the version and the installed paths
page=$(MANWIDTH=200 man --warnings -l "$prefix/share/man/man6/dorvan.6.gz" 2> "$scratch/man.log")
[ ! -s "$scratch/man.log" ] || { cat "$scratch/man.log"; fail "the manual page renders with warnings"; }
grep -q "^DORVAN(6)" <<< "$page" || fail "the manual page has no DORVAN(6) heading"
grep -q "Dorvan $version" <<< "$page" || fail "the manual page does not carry version $version"
grep -qF "$prefix/libexec/dorvan/winhlp32" <<< "$page" || fail "the manual page names another viewer"

# ---- the viewer finds its help file from wherever it is started
check=$(cd / && "$prefix/libexec/dorvan/winhlp32" --check)
grep -qxF "opens: $prefix/share/dorvan/dorvan4.hlp" <<< "$check" || { echo "$check"; fail "viewer check"; }

# ---- the installed game starts the installed viewer, which shows the help (on a display of its own)
exec 3> "$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp > "$scratch/xvfb.log" 2>&1 &
pids+=($!)
eventually test -s "$scratch/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -1 "$scratch/display")
unset QT_QPA_PLATFORM
# Prints the id of a shown window whose title matches.
shown() {
  local found
  found=$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -1) || true
  [ -n "$found" ] && echo "$found"
}
# The game gives its windows the icon once their first frame is painted.
has_icon() {
  xprop -id "$1" _NET_WM_ICON 2> /dev/null | grep -q "Icon (48 x 48)"
}
(cd / && exec "$prefix/bin/dorvan" 4) > "$scratch/game.log" 2>&1 &
pids+=($!)
game=$(eventually shown "4D Dorvan Basic") || fail "the 4D window did not open"
eventually has_icon "$game" || fail "the window has not the game's icon"
xdotool windowfocus --sync "$game" key F1
help=$(eventually shown "Rules and Help") || fail "no help window opened (the game or the viewer missed a file)"
viewer=$(xdotool getwindowpid "$help")
pids+=("$viewer")
[ "$(readlink "/proc/$viewer/exe")" = "$prefix/libexec/dorvan/winhlp32" ] ||
  fail "the help window is not the installed viewer's"

# ---- the menu entry, read by a desktop's launcher, starts the installed game
# GLib looks for the program before it turns %% into %; the link lets that look succeed, and the
# game it starts must still be named by the real prefix.
ln -s "$prefix" "$scratch/prefix with space, 100%% \$HOME 'quotes\" ;"
gio launch "$desktop" > "$scratch/launch.log" 2>&1 || { cat "$scratch/launch.log"; fail "gio launch"; }
cube=$(eventually shown "Squared") || fail "the menu entry did not open the 3D window"
launched=$(xdotool getwindowpid "$cube")
pids+=("$launched")
[ "$(tr '\0' '\n' < "/proc/$launched/cmdline" | head -1)" = "$prefix/bin/dorvan" ] ||
  fail "the menu entry started $(tr '\0' ' ' < "/proc/$launched/cmdline")"
echo "installed layout, menu entry, metadata, manual page and help all check out"
