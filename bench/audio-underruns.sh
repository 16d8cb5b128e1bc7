#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How often the sound runs dry while the game draws, counted by the sound server itself, for one
# build or side by side for several:
#   bench/audio-underruns.sh [BUILD_DIR [OTHER_BUILD_DIR...]]   (ROUNDS=3, SECONDS_EACH=13)
# Each round starts a private PulseAudio server with a null sink, the game in full screen on a
# 1920 x 1080 virtual screen with openbox, a game, and then aims, pans, shoots and reloads with
# xdotool. The server logs every underrun of a stream ("end of underrun" at debug level); the
# count is taken over SECONDS_EACH seconds of play. The builds' rounds alternate. Needs
# pulseaudio (apt install pulseaudio), Xvfb, openbox and xdotool.
set -euo pipefail
export LANGUAGE=pl # the game's windows are found by their Polish titles
command -v pulseaudio >/dev/null || { echo "audio-underruns: needs pulseaudio" >&2; exit 2; }
builds=()
for b in "${@:-build}"; do builds+=("$(cd "$b" && pwd)"); done
rounds=${ROUNDS:-3}
seconds=${SECONDS_EACH:-13}

if [ -z "${KLUVIAN_AUDIO_DISPLAY:-}" ]; then
  KLUVIAN_AUDIO_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "${builds[@]}"
fi
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
work=$(mktemp -d)
mkdir -m 700 "$work/run"
trap 'kill "${game:-}" "${server:-}" "$wm" 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME=$work XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export SDL_AUDIODRIVER=pulseaudio PULSE_SERVER=unix:$work/run/pulse.sock

underruns() { grep -c "end of underrun" "$work/server.log" || true; }

round() {
  local build=$1 before after i=0 end
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-level=debug \
    --log-target="file:$work/server.log" \
    -L "module-native-protocol-unix socket=$work/run/pulse.sock auth-anonymous=1" \
    -L "module-null-sink sink_name=silent" >/dev/null 2>&1 &
  server=$!
  sleep 1.5
  # A copy beside the build's data, so that its table is written in the work folder.
  rm -rf "$work/exe"
  mkdir "$work/exe"
  cp "$build/kluvian" "$work/exe/"
  ln -s "$build/data" "$work/exe/data"
  "$work/exe/kluvian" >/dev/null 2>&1 &
  game=$!
  xdotool windowactivate --sync "$(xdotool search --sync --onlyvisible --name 'Kluvian wer' |
    head -n 1)" 2>/dev/null || true
  sleep 1
  xdotool key F11
  sleep 1.5
  xdotool key F2
  sleep 3
  before=$(underruns)
  end=$((SECONDS + seconds))
  while [ $SECONDS -lt $end ]; do
    i=$((i + 1))
    xdotool mousemove $((400 + (i * 37) % 1100)) $((200 + (i * 53) % 600))
    sleep 0.1
    [ $((i % 4)) -ne 0 ] || xdotool click 1
    if [ $((i % 9)) -eq 0 ]; then
      xdotool click 3 keydown Left
      sleep 0.4
      xdotool keyup Left
    fi
  done
  after=$(underruns)
  kill "$game" "$server" 2>/dev/null || true
  wait "$game" "$server" 2>/dev/null || true
  rm -f "$work/server.log"
  echo "$build: $((after - before)) underruns in $seconds s"
}

echo "== load before the run: $(uptime | sed 's/.*load/load/')"
for r in $(seq "$rounds"); do
  for build in "${builds[@]}"; do round "$build"; done
done
