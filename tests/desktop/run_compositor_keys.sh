#!/usr/bin/env bash
# Runs the compositor's-keys cases: weston in a window of an X server (Xvfb), the program on
# Wayland alone, and the keys sent to weston through XTEST (xdotool). Installs what is missing.
set -uo pipefail
binary=$1
source "$(dirname "$0")/../support/desktop_servers.sh"
ensure_packages xvfb weston qt6-wayland xdotool || exit 1
start_x_server || exit 1
start_compositor_on_x_server || exit 1
env -u QT_QPA_PLATFORM -u DISPLAY XDG_RUNTIME_DIR="$desktop_runtime" WAYLAND_DISPLAY=rv-wayland \
  XDG_SESSION_TYPE=wayland RV_COMPOSITOR_X_DISPLAY="$DISPLAY" "$binary" --gtest_filter='*CompositorKeys*' "${@:2}"
