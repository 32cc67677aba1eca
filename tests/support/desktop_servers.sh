# Sourced by the scripts that run tests on real window systems: an X server, a window manager on
# it and a Wayland compositor without screens of their own, each 1600 x 1000, ended with the script
# however it ends. Their runtime folder is private to the run. Each start returns once the server
# answers a client, or fails with the reason: tests run without it would fail for another one.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/packages.sh"

desktop_runtime=$(mktemp -d)
chmod 700 "$desktop_runtime"
desktop_servers=()
# The desktop's programs get a home of their own: the user's settings would show windows of their
# own (a wallpaper setter's error, a welcome) that take the keyboard at moments of their own, and
# the programs would write theirs into the user's home.
desktop_home=$desktop_runtime/home
mkdir "$desktop_home"
# A command's prefix: env, so that the pid started is the program's own.
in_desktop_home=(env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_STATE_HOME -u ICEWM_PRIVCFG
                 HOME="$desktop_home")

# Puts the settings kept for a window manager (tests/support/window_managers/$1) where it reads
# them in the desktop's home ($2).
give_settings() {
  mkdir -p "$desktop_home/$2"
  cp "$(dirname "${BASH_SOURCE[0]}")/window_managers/$1/"* "$desktop_home/$2/"
}

# A server that ended and is not yet reaped is a zombie.
server_ended() {
  [ ! -e "/proc/$1" ] || grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null
}

end_desktop() {
  # Last started first, each given five seconds: a window manager whose server went first can
  # hang (fluxbox).
  local i pid
  for ((i = ${#desktop_servers[@]} - 1; i >= 0; i--)); do
    pid=${desktop_servers[i]}
    kill "$pid" 2>/dev/null || continue
    wait_until 5 server_ended "$pid" || kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$desktop_runtime"
}
trap end_desktop EXIT

# Runs the command (from $2 on) until it succeeds, for up to $1 seconds.
wait_until() {
  local end=$((SECONDS + $1))
  until "${@:2}"; do
    [ $SECONDS -lt $end ] || return 1
    sleep 0.1
  done
}

# A machine whose every core is busy can take tens of seconds to start a server.
readonly desktop_start_limit=60

# Sets DISPLAY. The server picks a free display itself (-displayfd) and writes it once it takes
# connections: runs started together by xvfb-run -a could share one. It never resets (-noreset):
# the reset when its last client leaves (a first xprop) refused the window manager connecting then.
start_x_server() {
  Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp -noreset 3>"$desktop_runtime/display" 2>/dev/null &
  desktop_servers+=($!)
  wait_until $desktop_start_limit test -s "$desktop_runtime/display" || { echo "the X server did not start" >&2; return 1; }
  DISPLAY=:$(head -n1 "$desktop_runtime/display")
}

probe_managed() {
  xprop -display "$DISPLAY" -name rv-window-manager-probe WM_STATE 2>/dev/null | grep -q 'window state'
}

# Starts the window manager given as the command ($@, openbox when none) on DISPLAY (needs
# x11-utils). It is ready once it manages a window: a probe window of its own gets the window
# manager's WM_STATE. openbox can lose a window mapped while it is still starting, never managing
# it: each probe has ten seconds, then a new one is mapped.
start_window_manager() {
  local command=("${@:-openbox}")
  local log="$desktop_runtime/window-manager.log"
  NO_AT_BRIDGE=1 "${in_desktop_home[@]}" "${command[@]}" >"$log" 2>&1 &
  desktop_servers+=($!)
  local end=$((SECONDS + desktop_start_limit)) probe managed
  while [ $SECONDS -lt $end ]; do
    xev -display "$DISPLAY" -name rv-window-manager-probe -event structure >"$desktop_runtime/probe.log" 2>&1 &
    probe=$!
    managed=1
    wait_until 10 probe_managed && managed=0
    kill $probe 2>/dev/null || true
    wait $probe 2>/dev/null || true
    [ $managed -eq 1 ] || return 0
  done
  echo "the window manager (${command[0]}) did not manage a window within $desktop_start_limit seconds" >&2
  cat "$log" "$desktop_runtime/probe.log" >&2
  return 1
}

compositor_answers() {
  XDG_RUNTIME_DIR=$desktop_runtime WAYLAND_DISPLAY=rv-wayland weston-info >/dev/null 2>&1
}

# The compositor's socket is rv-wayland in $desktop_runtime, the session's XDG_RUNTIME_DIR.
start_compositor() {
  XDG_RUNTIME_DIR=$desktop_runtime "${in_desktop_home[@]}" weston --backend=headless-backend.so --socket=rv-wayland \
    --width=1600 --height=1000 --idle-time=0 >"$desktop_runtime/weston.log" 2>&1 &
  desktop_servers+=($!)
  wait_until $desktop_start_limit compositor_answers || {
    echo "the compositor did not answer a client within $desktop_start_limit seconds" >&2
    cat "$desktop_runtime/weston.log" >&2
    return 1
  }
}

# A compositor in a window of the X server (start_x_server first), as a nested session is: its
# own keys (Super+Shift+M...) reach it as XTEST keys sent to that window. Ready when its socket
# rv-wayland is in $desktop_runtime and its window is on the X server.
start_compositor_on_x_server() {
  XDG_RUNTIME_DIR=$desktop_runtime DISPLAY=$DISPLAY "${in_desktop_home[@]}" weston --backend=x11-backend.so \
    --use-pixman --socket=rv-wayland --width=1600 --height=1000 --idle-time=0 >"$desktop_runtime/weston.log" 2>&1 &
  desktop_servers+=($!)
  local reason=""
  wait_until $desktop_start_limit compositor_answers || reason="it did not answer a client within $desktop_start_limit seconds"
  [ -n "$reason" ] || wait_until $desktop_start_limit compositor_window >/dev/null || reason="its window never appeared on the X server"
  [ -z "$reason" ] && return 0
  echo "the compositor did not start: $reason" >&2
  cat "$desktop_runtime/weston.log" >&2
  return 1
}

# Prints the id of the compositor's window on the X server, when it is there.
compositor_window() {
  DISPLAY=$DISPLAY xdotool search --class '^Weston Compositor$' 2>/dev/null | head -n1 | grep .
}

# mutter as a nested session in a window of the X server (start_x_server first), with the session
# bus it needs: it minimises the window with the keyboard by itself (Super+H), telling the program
# nothing. Ready once its socket rv-wayland in $desktop_runtime answers a client.
start_mutter_on_x_server() {
  local bus="unix:path=$desktop_runtime/bus"
  "${in_desktop_home[@]}" dbus-daemon --session --nofork --address="$bus" >/dev/null 2>&1 &
  desktop_servers+=($!)
  wait_until $desktop_start_limit test -S "$desktop_runtime/bus" || { echo "the session bus did not start" >&2; return 1; }
  XDG_RUNTIME_DIR=$desktop_runtime DBUS_SESSION_BUS_ADDRESS=$bus DISPLAY=$DISPLAY MUTTER_DEBUG_DUMMY_MODE_SPECS=1600x1000 \
    "${in_desktop_home[@]}" mutter --nested --wayland --no-x11 --wayland-display=rv-wayland >"$desktop_runtime/mutter.log" 2>&1 &
  desktop_servers+=($!)
  wait_until $desktop_start_limit compositor_answers && return 0
  echo "the compositor (mutter) did not answer a client within $desktop_start_limit seconds" >&2
  cat "$desktop_runtime/mutter.log" >&2
  return 1
}
