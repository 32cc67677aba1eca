# Sourced by the scripts that run tests on real window systems: an X server and a Wayland
# compositor without screens of their own, each 1600 x 1000, ended with the script however it
# ends. Their runtime folder is private to the run.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/packages.sh"

desktop_runtime=$(mktemp -d)
chmod 700 "$desktop_runtime"
desktop_servers=()
end_desktop() {
  [ ${#desktop_servers[@]} -eq 0 ] || kill "${desktop_servers[@]}" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$desktop_runtime"
}
trap end_desktop EXIT

# Waits up to ten seconds for the test ($1, as `test` takes it: -s for a file with content, -S for
# a socket) on the path $2.
wait_for() {
  for _ in $(seq 100); do
    [ "$1" "$2" ] && return 0
    sleep 0.1
  done
  return 1
}

# Sets DISPLAY. The server picks a free display itself (-displayfd): runs started together by
# xvfb-run -a could share one.
start_x_server() {
  Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$desktop_runtime/display" 2>/dev/null &
  desktop_servers+=($!)
  wait_for -s "$desktop_runtime/display" || { echo "the X server did not start" >&2; return 1; }
  DISPLAY=:$(head -n1 "$desktop_runtime/display")
}

# The compositor's socket is rv-wayland in $desktop_runtime, the session's XDG_RUNTIME_DIR.
start_compositor() {
  XDG_RUNTIME_DIR=$desktop_runtime weston --backend=headless-backend.so --socket=rv-wayland --width=1600 \
    --height=1000 --idle-time=0 >"$desktop_runtime/weston.log" 2>&1 &
  desktop_servers+=($!)
  wait_for -S "$desktop_runtime/rv-wayland" || {
    echo "the compositor did not start" >&2
    cat "$desktop_runtime/weston.log" >&2
    return 1
  }
}

# A compositor in a window of the X server (start_x_server first), as a nested session is: its
# own keys (Super+Shift+M...) reach it as XTEST keys sent to that window. Ready when its socket
# rv-wayland is in $desktop_runtime and its window is on the X server.
start_compositor_on_x_server() {
  XDG_RUNTIME_DIR=$desktop_runtime DISPLAY=$DISPLAY weston --backend=x11-backend.so --use-pixman \
    --socket=rv-wayland --width=1600 --height=1000 --idle-time=0 >"$desktop_runtime/weston.log" 2>&1 &
  desktop_servers+=($!)
  local reason=""
  wait_for -S "$desktop_runtime/rv-wayland" || reason="its socket never appeared"
  [ -n "$reason" ] || compositor_window >/dev/null || reason="its window never appeared on the X server"
  [ -z "$reason" ] && return 0
  echo "the compositor did not start: $reason" >&2
  cat "$desktop_runtime/weston.log" >&2
  return 1
}

# Prints the id of the compositor's window on the X server, waiting up to ten seconds for it.
compositor_window() {
  for _ in $(seq 100); do
    DISPLAY=$DISPLAY xdotool search --class '^Weston Compositor$' 2>/dev/null | head -n1 | grep . && return 0
    sleep 0.1
  done
  return 1
}
