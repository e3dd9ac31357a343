#!/bin/sh
# Runs the scene viewer headless from a script on a shipped level and checks
# its screenshots: the scene is drawn, on the editing background before the
# run and on the level's own colour during it (colours as the 5-6-5 screen
# shows them: (128, 128, 255) reads back as (132, 130, 255)).
# Usage: view_headless.sh TOOL LEVEL RUNNING_COLOUR
set -eu
tool="$1"
level="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/run.txt" <<SCRIPT
shot $work/stopped.png
key F1 down
key F1 up
tick 30
shot $work/running.png
tap 120 160
tick 1
shot $work/again.png
SCRIPT
XDG_DATA_HOME="$work/data" "$tool" view "$level" --headless --script "$work/run.txt"
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
colours() { convert "$1" -unique-colors -format %w info:; }
fail() { echo "view_headless: $*" >&2; exit 1; }
[ "$(pixel "$work/stopped.png" 2 2)" = "132,130,255" ] || fail "stopped background is $(pixel "$work/stopped.png" 2 2)"
[ "$(pixel "$work/running.png" 2 2)" = "$3" ] || fail "running background is $(pixel "$work/running.png" 2 2), want $3"
[ "$(pixel "$work/again.png" 2 2)" = "132,130,255" ] || fail "a tap did not stop the run"
[ "$(colours "$work/running.png")" -gt 20 ] || fail "the scene's sprites are missing"
cmp -s "$work/stopped.png" "$work/again.png" || fail "stopping did not return to the file's state"
echo "view_headless: ok"
