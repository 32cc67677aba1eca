#!/bin/bash
# Runs a test program in a Wayland session: the weston compositor without a screen of its own
# (1600 x 1000), where the compositor, not the program, places every window. Installs weston and
# Qt's Wayland platform when missing, starts and ends the compositor.
set -u
source "$(dirname "$0")/../../scripts/packages.sh"
ensure_packages weston qt6-wayland || exit 1
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
socket=rv-test-$$
weston --backend=headless-backend.so --socket="$socket" --width=1600 --height=1000 --idle-time=0 \
       >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 50); do
  [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
  sleep 0.1
done
WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland RV_TEST_DESKTOP=weston-1600x1000 "$@"
result=$?
kill "$compositor"
wait "$compositor" 2>/dev/null
rm -rf "$XDG_RUNTIME_DIR"
exit $result
