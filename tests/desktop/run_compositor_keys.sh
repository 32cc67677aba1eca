#!/usr/bin/env bash
# Runs the compositor's-keys cases under the compositor given ($2: weston or mutter) in a window of
# an X server (Xvfb), the program on Wayland alone, and the keys sent to the compositor through
# XTEST (xdotool). Installs what is missing.
set -uo pipefail
binary=$1
compositor=$2
source "$(dirname "$0")/../support/desktop_servers.sh"
case $compositor in
  weston) ensure_packages xvfb weston qt6-wayland xdotool || exit 1 ;;
  mutter) ensure_packages xvfb mutter dbus-daemon qt6-wayland xdotool || exit 1 ;;
esac
start_x_server || exit 1
if [ "$compositor" = weston ]; then start_compositor_on_x_server || exit 1; else start_mutter_on_x_server || exit 1; fi
env -u QT_QPA_PLATFORM -u DISPLAY XDG_RUNTIME_DIR="$desktop_runtime" WAYLAND_DISPLAY=rv-wayland \
  XDG_SESSION_TYPE=wayland RV_COMPOSITOR_X_DISPLAY="$DISPLAY" "$binary" "${@:3}"
