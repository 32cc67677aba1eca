#!/bin/bash
# Runs a test program on an X server with one 1600 x 1000 screen under the openbox window
# manager, as a user's desktop is: installs both when missing, starts and ends them.
set -u
source "$(dirname "$0")/../../scripts/packages.sh"
ensure_packages xvfb xauth openbox x11-utils || exit 1
if [ -z "${UNDER_OPENBOX_SERVER:-}" ]; then
  UNDER_OPENBOX_SERVER=1 exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$@"
fi
openbox >/dev/null 2>&1 &
manager=$!
# The window manager owns the screen before the first window maps.
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
QT_QPA_PLATFORM=xcb RV_TEST_DESKTOP=openbox-1600x1000 "$@"
result=$?
kill "$manager"
wait "$manager" 2>/dev/null
exit $result
