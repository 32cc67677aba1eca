#!/bin/bash
# Runs a test program on an X server with one 1600 x 1000 screen under the openbox window
# manager, as a user's desktop is: installs both when missing, starts and ends them.
set -u
source "$(dirname "$0")/../support/desktop_servers.sh"
ensure_packages xvfb openbox x11-utils || exit 1
start_x_server || exit 1
export DISPLAY
start_window_manager || exit 1
QT_QPA_PLATFORM=xcb RV_TEST_DESKTOP=openbox-1600x1000 "$@"
exit $?
