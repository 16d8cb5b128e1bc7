#!/usr/bin/env bash
# Starts the built game as a player would, under the display the test command provides:
# F2, a shot from outside (xdotool), a screenshot that must show the panorama, then F6,
# after which the score table file must exist beside the program.
# Usage: play_smoke.sh BUILD_DIR [SCREENSHOT.png]
set -euo pipefail
build=$(cd "$1" && pwd)
shot_out=${2:-}
work=$(mktemp -d)
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT

# A copy of the program beside the generated data, so the score file lands in the copy.
cp "$build/kluvian" "$work/"
ln -s "$build/data" "$work/data"

SDL_AUDIODRIVER=dummy "$work/kluvian" &
pid=$!
win=$(xdotool search --sync --onlyvisible --name 'Kluvian wer' | head -n 1)
xdotool windowfocus --sync "$win" 2>/dev/null || true
sleep 1

xdotool key --window "$win" F2
# The load is done when the loading window has gone again.
for _ in $(seq 1 120); do
  sleep 0.5
  if ! xdotool search --onlyvisible --name 'Trwa' >/dev/null 2>&1; then break; fi
done
sleep 2

eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove --window "$win" 400 350 click 1
sleep 1

import -window root "$work/screen.png"
# The drawing must be a picture, not a black or blank window: bright and varied.
stats=$(convert "$work/screen.png" -crop "800x500+$((X + 0))+$((Y + 80))" +repage \
        -colorspace Gray -format '%[fx:mean] %[fx:standard_deviation]' info:)
read -r mean deviation <<<"$stats"
echo "screen: mean $mean, deviation $deviation"
awk -v m="$mean" -v d="$deviation" 'BEGIN { exit !(m > 0.2 && d > 0.05) }' ||
  { echo "the drawing does not show the panorama" >&2; exit 1; }
if [ -n "$shot_out" ]; then
  convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot_out"
fi

# The window may close on the press, before xdotool sends the release to it.
xdotool key --window "$win" F6 2>/dev/null || true
for _ in $(seq 1 40); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.25
done
if kill -0 "$pid" 2>/dev/null; then echo "F6 did not end the program" >&2; exit 1; fi
wait "$pid" || true
test -s "$work/wynik.ok" || { echo "no wynik.ok after F6" >&2; exit 1; }
echo "smoke test passed"
