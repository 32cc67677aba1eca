#!/bin/bash
# Runs a test program on an X server with one 1600 x 1000 screen under the window manager named
# first (icewm, xfwm4, openbox, fluxbox), as a user's desktop is: window managers differ in how
# they place, frame and iconify windows and in what they tell a window of it. Installs them when
# missing, starts and ends them, and fails with the reason when the window manager does not
# manage windows.
set -u
manager=$1
shift
source "$(dirname "$0")/../support/desktop_servers.sh"
case $manager in
  icewm) command=(icewm); give_settings icewm .icewm ;;
  xfwm4) command=(xfwm4 --compositor=off) ;;
  openbox) command=(openbox) ;;
  fluxbox) command=(fluxbox); give_settings fluxbox .fluxbox ;;
  *) echo "no such window manager here: $manager" >&2; exit 1 ;;
esac
packages=(xvfb x11-utils "$manager")
[ "$manager" != xfwm4 ] || packages+=(dbus-daemon)
ensure_packages "${packages[@]}" || exit 1
start_x_server || exit 1
export DISPLAY
if [ "$manager" = xfwm4 ]; then
  # xfwm4 reads its settings over a session bus, of its own here.
  bus=$("${in_desktop_home[@]}" dbus-daemon --session --fork --print-address=1 --print-pid=1) || exit 1
  export DBUS_SESSION_BUS_ADDRESS=$(head -n1 <<<"$bus")
  desktop_servers+=("$(tail -n1 <<<"$bus")")
fi
start_window_manager "${command[@]}" || exit 1
unset DBUS_SESSION_BUS_ADDRESS
QT_QPA_PLATFORM=xcb RV_TEST_DESKTOP=$manager-1600x1000 "$@"
exit $?
