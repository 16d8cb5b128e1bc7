#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Frame pacing, CPU and F2-to-playing of the game, in one run, before and after a change.
# Usage: bench/pacing.sh [BUILD_DIR [DATA_DIR]]   (defaults: build, BUILD_DIR/data)
# Runs under a virtual X server with openbox unless DISPLAY is already set. Two parts:
#  - build/kluvian-pacing: the main window measured from inside (counter, panning, timers);
#  - the real program measured from outside, as a player's system sees it: CPU of its process
#    from /proc/PID/stat, F2 to playing from the loading window's disappearance, resident memory
#    one second after each load from /proc/PID/status.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
data=$(cd "${2:-$build/data}" && pwd)

if [ -z "${DISPLAY:-}" ]; then
  KLUVIAN_START_WM=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$data"
fi
export SDL_AUDIODRIVER=dummy
if [ -n "${KLUVIAN_START_WM:-}" ]; then # a display of our own gets a window manager
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 1
fi
work=$(mktemp -d)
trap 'kill "${pid:-}" "${wm:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

echo "== load before the run: $(uptime | sed 's/.*load/load/')"
echo "== inside the main window ($data)"
"$build/kluvian-pacing" "$data"

echo "== the real program, from outside"
cp "$build/kluvian" "$work/"
ln -s "$data" "$work/data"
"$work/kluvian" &
pid=$!
win=$(xdotool search --sync --onlyvisible --name 'Kluvian wer' | head -n 1)
xdotool windowactivate --sync "$win" 2>/dev/null || true

cpu_ticks() { awk '{ sub(/.*\) /, ""); print $12 + $13 }' "/proc/$pid/stat"; }
cpu_share() { # seconds
  local t0 c0 t1 c1
  t0=$(date +%s.%N); c0=$(cpu_ticks)
  sleep "$1"
  t1=$(date +%s.%N); c1=$(cpu_ticks)
  awk -v c="$((c1 - c0))" -v hz="$(getconf CLK_TCK)" -v t="$t0" -v u="$t1" \
    'BEGIN { printf "%.1f %% of one core\n", c / hz / (u - t) * 100 }'
}
sleep 1
echo "CPU at the black screen:           $(cpu_share 5)"
for run in first later; do
  t0=$(date +%s%N)
  xdotool key --window "$win" F2
  for _ in $(seq 100); do # the loading window appears, then goes when the game starts
    xdotool search --onlyvisible --name '^Trwa' >/dev/null 2>&1 && break
  done
  while xdotool search --onlyvisible --name '^Trwa' >/dev/null 2>&1; do sleep 0.01; done
  echo "F2 to playing ($run):              $(( ($(date +%s%N) - t0) / 1000000 )) ms (includes polling)"
  sleep 1
  echo "Resident after the load ($run):    $(awk '/VmRSS/ { printf "%.1f MB", $2 / 1000 }' "/proc/$pid/status")"
done
echo "CPU in a game:                     $(cpu_share 5)"
xdotool key --window "$win" F6 2>/dev/null || true
sleep 0.5
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
