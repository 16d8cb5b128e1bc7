#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How the game feels in the hand, measured in one run, for one build or side by side for several
# (say, today's and the previous one):
#   bench/pacing.sh [BUILD_DIR [OTHER_BUILD_DIR...]]    (default: build; DATA_DIR=... to choose
#                                                        the data, default the first build's)
# Runs under a virtual X server with openbox unless DISPLAY is already set. For each build:
#  - BUILD_DIR/kluvian-pacing, the main window measured from inside: rules frames and pictures
#    a second and their CPU (black screen, game, aiming and panning, a held arrow with nothing
#    moving), F2 to playing, click to the shot's sound (SDL's disk driver), the mixer's gaps on a
#    busy machine, the flight step and the countdown;
#  - the real program from outside, as a player's system sees it, through kluvian-probe of the
#    first build (keys and pointer from the X server's test extension, pictures read back from
#    the screen): F2 to playing, new pictures a second on the screen while aiming and panning
#    with the CPU of the process from /proc/PID/stat and so the CPU per picture, pointer to
#    cross-hair on the screen, resident memory after the loads; then the same in full screen
#    (F11) on the 1920 x 1080 virtual screen: new pictures a second while aiming and panning,
#    CPU per picture, pointer to cross-hair.
# The outside rounds of the builds alternate, so a machine that gets busier hurts all alike.
set -euo pipefail
# The probe finds the game's windows by their Polish titles.
export LANGUAGE=pl
builds=()
for b in "${@:-build}"; do builds+=("$(cd "$b" && pwd)"); done
data=$(cd "${DATA_DIR:-${builds[0]}/data}" && pwd)
probe=${builds[0]}/kluvian-probe

if [ -z "${DISPLAY:-}" ]; then
  KLUVIAN_START_WM=1 exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "${builds[@]}"
fi
if [ -n "${KLUVIAN_START_WM:-}" ]; then # a display of our own gets a window manager
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 1
fi
work=$(mktemp -d)
trap 'kill "${pid:-}" "${wm:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

echo "== load before the run: $(uptime | sed 's/.*load/load/')"
for build in "${builds[@]}"; do
  echo "== inside the main window: $build"
  rm -f "$work/audio.raw"
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" "$build/kluvian-pacing" "$data"
done
rm -f "$work/audio.raw"

cpu_ticks() { awk '{ sub(/.*\) /, ""); print $12 + $13 }' "/proc/$pid/stat"; }
# The real program from outside; with "full", in full screen and without the memory figures.
outside() {
  local build=$1 mode=${2:-} t0 c0 t1 c1 aim
  mkdir -p "$work/exe"
  cp "$build/kluvian" "$work/exe/"
  ln -sfn "$data" "$work/exe/data"
  SDL_AUDIODRIVER=dummy "$work/exe/kluvian" &
  pid=$!
  local win
  win=$(xdotool search --sync --onlyvisible --name 'Kluvian wer' | head -n 1)
  xdotool windowactivate --sync "$win" 2>/dev/null || true
  sleep 1
  if [ "$mode" = full ]; then
    xdotool key --window "$win" F11
    sleep 1.5
  fi
  KLUVIAN_DRAWING=$("$probe" locate)
  export KLUVIAN_DRAWING
  if [ "$mode" = full ]; then echo "Full screen, the drawing at:        $KLUVIAN_DRAWING"; fi
  "$probe" f2 | sed 's/^/first  /'
  sleep 1
  if [ "$mode" != full ]; then
    echo "Resident after the first load:      $(awk '/VmRSS/ { printf "%.1f MB", $2 / 1000 }' "/proc/$pid/status")"
    for _ in 1 2 3; do "$probe" f2 | sed 's/^/later  /'; sleep 0.7; done
    echo "Resident after four loads:          $(awk '/VmRSS/ { printf "%.1f MB", $2 / 1000 }' "/proc/$pid/status")"
  fi
  t0=$(date +%s.%N)
  c0=$(cpu_ticks)
  aim=$("$probe" aim 6)
  t1=$(date +%s.%N)
  c1=$(cpu_ticks)
  echo "$aim"
  awk -v c="$((c1 - c0))" -v hz="$(getconf CLK_TCK)" -v t="$t0" -v u="$t1" \
    -v p="$(sed -n 's/.*screen (\([0-9]*\) in.*/\1/p' <<<"$aim")" \
    'BEGIN { s = c / hz; printf "CPU while aiming and panning:       %.1f %% of one core, %.1f ms a picture\n", s / (u - t) * 100, (p > 0 ? s * 1000 / p : 0) }'
  "$probe" follow 48
  xdotool key --window "$win" F6 2>/dev/null || true
  sleep 0.5
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -rf "$work/exe"
  unset KLUVIAN_DRAWING
}
for round in 1 2; do
  for build in "${builds[@]}"; do
    echo "== the real program from outside, round $round: $build"
    outside "$build"
  done
  for build in "${builds[@]}"; do
    echo "== the real program from outside in full screen, round $round: $build"
    outside "$build" full
  done
done
