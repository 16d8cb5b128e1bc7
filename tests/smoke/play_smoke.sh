#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built game as a player would, under the X display the test command provides:
# F2, a shot from outside (xdotool), a screenshot that must show the panorama, then F6,
# after which the score table file must exist beside the program. Then once more, ended by
# SIGTERM (what a logout sends) while the help is open: the program must end at once with
# status 0, the table saved and nothing left beside it.
# Usage: play_smoke.sh BUILD_DIR [SCREENSHOT.png]
set -euo pipefail
build=$(cd "$1" && pwd)
shot_out=${2:-}
work=$(mktemp -d)
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT

# A copy of the program beside the generated data, so the score file lands in the copy.
cp "$build/kluvian" "$work/"
ln -s "$build/data" "$work/data"

start() {
  SDL_AUDIODRIVER=dummy "$work/kluvian" &
  pid=$!
  win=$(timeout 30 xdotool search --sync --onlyvisible --name 'Kluvian wer' | head -n 1)
}

# Waits up to ten seconds for the program to end.
ended() {
  for _ in $(seq 1 40); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.25
  done
  return 1
}

start

# As the player clicks on the window: keys go to the active one. A window manager hands over
# the activation on request; without one only the input focus can be set.
activate() {
  timeout 10 xdotool windowactivate --sync "$win" 2>/dev/null ||
    timeout 10 xdotool windowfocus --sync "$win"
}

# Screenshots the drawing into screen.png; true when it shows a picture, bright and varied,
# not a black or blank window.
shows_panorama() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  import -window root "$work/screen.png"
  read -r mean deviation < <(convert "$work/screen.png" -crop "800x500+$X+$((Y + 80))" +repage \
    -colorspace Gray -format '%[fx:mean] %[fx:standard_deviation]' info:)
  echo "screen: mean $mean, deviation $deviation"
  awk -v m="$mean" -v d="$deviation" 'BEGIN { exit !(m > 0.2 && d > 0.05) }'
}

activate
xdotool key F2
# The load takes a few seconds on a software rasteriser, more on a busy machine.
loaded=false
for _ in $(seq 1 60); do
  if shows_panorama >/dev/null; then loaded=true && break; fi
  sleep 0.5
done
$loaded || { shows_panorama; echo "the drawing does not show the panorama" >&2; exit 1; }

xdotool mousemove --window "$win" 400 350 click 1
sleep 1
shows_panorama || { echo "the drawing lost the panorama after a shot" >&2; exit 1; }
if [ -n "$shot_out" ]; then
  convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot_out"
fi

activate
xdotool key F6
ended || { echo "F6 did not end the program" >&2; exit 1; }
wait "$pid" || true
test -s "$work/wynik.ok" || { echo "no wynik.ok after F6" >&2; exit 1; }

rm "$work/wynik.ok"
start
activate
xdotool key F1
timeout 10 xdotool search --sync --onlyvisible --name 'Pomoc' >/dev/null ||
  { echo "F1 showed no help" >&2; exit 1; }
kill -TERM "$pid"
ended || { echo "SIGTERM did not end the program" >&2; exit 1; }
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "SIGTERM ended the program with status $status" >&2; exit 1; }
test -s "$work/wynik.ok" || { echo "no wynik.ok after SIGTERM" >&2; exit 1; }
[ ! -e "$work/wynik.ok.tmp" ] || { echo "a temporary file was left beside the table" >&2; exit 1; }
echo "smoke test passed"
