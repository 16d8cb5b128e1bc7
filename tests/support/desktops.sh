#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on four private desktops like a player's: an X display managed by openbox
# (DISPLAY), and three Wayland compositors, each with its socket in XDG_RUNTIME_DIR: weston
# with a keyboard and a pointer (kluvian-wayland, the WAYLAND_DISPLAY set), GNOME's mutter
# (kluvian-gnome) and KDE's KWin (kluvian-kde). Qt programs pick X or Wayland with -platform
# or QT_QPA_PLATFORM, and the compositor with WAYLAND_DISPLAY.
# Usage: desktops.sh COMMAND [ARG...]
set -euo pipefail

runtime=$(mktemp -d)
chmod 700 "$runtime"
pids=()
cleanup() {
  # Last started, first stopped: weston before the X server it draws into, mutter before
  # its bus.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$runtime"
}
trap cleanup EXIT

# Waits up to ten seconds for a condition (a command) to hold.
await() {
  local what=$1
  shift
  for _ in $(seq 1 100); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  echo "desktops.sh: $what did not start" >&2
  for log in "$runtime"/*.log; do cat "$log" >&2; done
  return 1
}

# Only clients that hold the cookie may connect: a program elsewhere on the machine that has
# one of these displays in DISPLAY cannot put its windows there. The server takes every
# cookie of the file, whatever display it names.
export XAUTHORITY=$runtime/Xauthority
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
: >"$XAUTHORITY"
xauth -q -f "$XAUTHORITY" add :0 . "$cookie"

# Starts an X server on the first free display and sets started_display to its name.
start_x() {
  local name=$1
  Xvfb -displayfd 3 -auth "$XAUTHORITY" -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$runtime/$name.display" >"$runtime/$name.log" 2>&1 &
  pids+=($!)
  await "the X server for $name" test -s "$runtime/$name.display"
  started_display=":$(head -n 1 "$runtime/$name.display")"
  xauth -q -f "$XAUTHORITY" add "$started_display" . "$cookie"
}

start_x x11
x_display=$started_display
DISPLAY=$x_display openbox --sm-disable >"$runtime/openbox.log" 2>&1 &
pids+=($!)
await "openbox" env DISPLAY="$x_display" wmctrl -m

# weston's X back end gives the compositor a seat, as every desktop has; its headless back end
# has none, so no window there could ever become active or receive keys. It draws into an X
# server of its own, where it never covers the windows of the X tests.
start_x weston
socket=kluvian-wayland
DISPLAY=$started_display XDG_RUNTIME_DIR=$runtime \
  weston --backend=x11-backend.so --use-pixman --width=1280 --height=1024 --idle-time=0 \
  --socket="$socket" --log="$runtime/weston.log" &
pids+=($!)
await "weston" test -S "$runtime/$socket"

# mutter as GNOME runs it on Wayland, headless, with a monitor of its own. It wants a D-Bus
# session (where its RemoteDesktop interface can type and click for a program: the bus is
# unix:path=$XDG_RUNTIME_DIR/gnome-bus), and reads GNOME's settings: the defaults, not the
# user's.
gnome_env=(env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime"
  XDG_CONFIG_HOME="$runtime/gnome-config" DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/gnome-bus")
"${gnome_env[@]}" dbus-daemon --session --fork --nopidfile \
  --address="unix:path=$runtime/gnome-bus" --print-pid=3 3>"$runtime/gnome-bus.pid"
pids+=("$(cat "$runtime/gnome-bus.pid")")
"${gnome_env[@]}" mutter --headless --wayland --no-x11 --virtual-monitor 1280x1024 \
  --wayland-display=kluvian-gnome >"$runtime/mutter.log" 2>&1 &
pids+=($!)
await "mutter" test -S "$runtime/kluvian-gnome"

# KWin as KDE runs it on Wayland, with a virtual monitor, on no D-Bus session and with a home
# of its own for what it writes. Debian's kwin_wayland carries a file capability
# (cap_sys_resource) that a container may not grant, and then cannot be started ("Operation
# not permitted"); a copy without it runs the same.
cp /usr/bin/kwin_wayland "$runtime/kwin_wayland"
env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$runtime" \
  HOME="$runtime/kde-home" "$runtime/kwin_wayland" --virtual --width 1280 --height 1024 \
  --socket kluvian-kde >"$runtime/kwin.log" 2>&1 &
pids+=($!)
await "kwin" test -S "$runtime/kluvian-kde"

export DISPLAY=$x_display XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket
# The game's own language, Polish, whatever the machine's locale: the program started by a
# test looks for its windows by their Polish titles.
export LANGUAGE=pl
"$@"
