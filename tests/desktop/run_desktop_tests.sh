#!/usr/bin/env bash
# Starts an X server (Xvfb) and a Wayland compositor (weston, headless), installing them first,
# and runs the desktop cases as a user's session would have them:
#   a Wayland session with XWayland: DISPLAY and WAYLAND_DISPLAY both set;
#   a Wayland session without it: WAYLAND_DISPLAY alone.
set -euo pipefail
binary=$1
source "$(dirname "$0")/../support/desktop_servers.sh"
ensure_packages xvfb weston qt6-wayland
start_x_server
start_compositor
display=$DISPLAY

session=(XDG_RUNTIME_DIR="$desktop_runtime" WAYLAND_DISPLAY=rv-wayland XDG_SESSION_TYPE=wayland)
status=0
env -u QT_QPA_PLATFORM "${session[@]}" DISPLAY="$display" "$binary" --gtest_filter='WithXWayland.*' || status=1
env -u QT_QPA_PLATFORM -u DISPLAY "${session[@]}" "$binary" --gtest_filter='*WaylandOnly.*:WaylandFileDialog.*' || status=1
exit $status
