#!/usr/bin/env bash
# Starts an X server (Xvfb) and a Wayland compositor (weston, headless), installing them first,
# and runs the desktop cases as a user's session would have them:
#   a Wayland session with XWayland: DISPLAY and WAYLAND_DISPLAY both set;
#   a Wayland session without it: WAYLAND_DISPLAY alone.
set -euo pipefail
binary=$1
source "$(dirname "$0")/../../scripts/packages.sh"
ensure_packages xvfb weston qt6-wayland

runtime=$(mktemp -d)
chmod 700 "$runtime"
x_server=
compositor=
cleanup() {
  [ -n "$compositor" ] && kill "$compositor" 2>/dev/null
  [ -n "$x_server" ] && kill "$x_server" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$runtime/display" 2>/dev/null &
x_server=$!
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=rv-wayland --idle-time=0 \
  >"$runtime/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do
  [ -s "$runtime/display" ] && [ -S "$runtime/rv-wayland" ] && break
  sleep 0.1
done
if ! [ -s "$runtime/display" ] || ! [ -S "$runtime/rv-wayland" ]; then
  echo "the X server or the compositor did not start" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi
display=:$(head -n1 "$runtime/display")

session=(XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=rv-wayland XDG_SESSION_TYPE=wayland)
status=0
env -u QT_QPA_PLATFORM "${session[@]}" DISPLAY="$display" "$binary" --gtest_filter='WithXWayland.*' || status=1
env -u QT_QPA_PLATFORM -u DISPLAY "${session[@]}" "$binary" --gtest_filter='WaylandOnly.*' || status=1
exit $status
