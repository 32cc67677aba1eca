#!/bin/bash
# Runs a test program on an X server with one 1600 x 1000 screen under the window manager named
# first (icewm, xfwm4, openbox, fluxbox): window managers differ in whether they tell a window
# where they put its frame. Installs them when missing, starts and ends them, and fails with the
# reason when the window manager does not take the screen.
set -u
manager=$1
shift
source "$(dirname "$0")/../support/desktop_servers.sh"
case $manager in
  icewm) command=(icewm) ;;
  xfwm4) command=(xfwm4 --compositor=off) ;;
  openbox) command=(openbox) ;;
  fluxbox) command=(fluxbox) ;;
  *) echo "no such window manager here: $manager" >&2; exit 1 ;;
esac
ensure_packages xvfb x11-utils "$manager" || exit 1
start_x_server || exit 1
export DISPLAY
# The window manager ends before the X server: fluxbox hangs when the server goes first.
manager_pid=
end_window_manager() {
  [ -z "$manager_pid" ] || { kill -KILL "$manager_pid" 2>/dev/null; wait "$manager_pid" 2>/dev/null; }
  [ -z "${bus_pid:-}" ] || kill "$bus_pid" 2>/dev/null
  end_desktop
}
trap end_window_manager EXIT
if [ "$manager" = xfwm4 ]; then
  # xfwm4 reads its settings over a session bus, of its own here.
  bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || exit 1
  export DBUS_SESSION_BUS_ADDRESS=$(head -n1 <<<"$bus")
  bus_pid=$(tail -n1 <<<"$bus")
fi
NO_AT_BRIDGE=1 "${command[@]}" >"$desktop_runtime/$manager.log" 2>&1 &
manager_pid=$!
# The window manager owns the screen before the first window maps: its check window names it.
ready=0
for _ in $(seq 600); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    ready=1
    break
  fi
  kill -0 "$manager_pid" 2>/dev/null || break
  sleep 0.1
done
if [ $ready -eq 0 ]; then
  echo "$manager did not take the screen within 60 s" >&2
  cat "$desktop_runtime/$manager.log" >&2
  exit 1
fi
unset DBUS_SESSION_BUS_ADDRESS
QT_QPA_PLATFORM=xcb RV_TEST_DESKTOP=$manager-1600x1000 "$@"
exit $?
