#!/bin/bash
# Runs a test program in a Wayland session: the weston compositor without a screen of its own,
# where the compositor, not the program, places every window. Installs weston and Qt's Wayland
# platform when missing, starts and ends the compositor.
set -u
source "$(dirname "$0")/../support/desktop_servers.sh"
ensure_packages weston qt6-wayland || exit 1
start_compositor || exit 1
XDG_RUNTIME_DIR=$desktop_runtime WAYLAND_DISPLAY=rv-wayland QT_QPA_PLATFORM=wayland \
  RV_TEST_DESKTOP=weston-1600x1000 "$@"
exit $?
