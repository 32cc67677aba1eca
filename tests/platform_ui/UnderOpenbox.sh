#!/bin/bash
# Runs a test program on an X server with one 1600 x 1000 screen under the openbox window
# manager, as a user's desktop is: installs both when missing, starts and ends them.
set -u
source "$(dirname "$0")/../support/desktop_servers.sh"
ensure_packages xvfb openbox x11-utils || exit 1
start_x_server || exit 1
export DISPLAY
openbox >/dev/null 2>&1 &
desktop_servers+=($!)
# The window manager owns the screen before the first window maps.
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
QT_QPA_PLATFORM=xcb RV_TEST_DESKTOP=openbox-1600x1000 "$@"
exit $?
