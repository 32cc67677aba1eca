#!/bin/bash
# Runs a test program on an X server with one 1600 x 1000 screen under the openbox window
# manager, as a user's desktop is: installs both when missing, starts and ends them. The server
# picks a free display itself (-displayfd): runs started together by xvfb-run -a could share one.
set -u
source "$(dirname "$0")/../../scripts/packages.sh"
ensure_packages xvfb openbox x11-utils || exit 1
runtime=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$runtime/display" 2>/dev/null &
server=$!
for _ in $(seq 100); do
  [ -s "$runtime/display" ] && break
  sleep 0.1
done
if ! [ -s "$runtime/display" ]; then
  echo "the X server did not start" >&2
  kill "$server" 2>/dev/null
  rm -rf "$runtime"
  exit 1
fi
export DISPLAY=:$(head -n1 "$runtime/display")
openbox >/dev/null 2>&1 &
manager=$!
# The window manager owns the screen before the first window maps.
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
QT_QPA_PLATFORM=xcb RV_TEST_DESKTOP=openbox-1600x1000 "$@"
result=$?
kill "$manager" "$server"
wait "$manager" "$server" 2>/dev/null
rm -rf "$runtime"
exit $result
