#!/usr/bin/env bash
# Starts the program: installs what the build needs, builds the program, stages its runtime
# folder build/run/ and runs it there (the program folder is the current folder).
#   build/run/config/        a copy of config/; files already there are kept, so designs and
#                            settings the user changed survive rebuilds
#   build/run/ZaDuzed_Simple.ini   the sample configuration, copied once
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show the window on: set DISPLAY (or WAYLAND_DISPLAY), or run it under a virtual one: xvfb-run ./run.sh" >&2
  exit 1
fi

source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
# With an X display (XWayland in a Wayland session too) the program runs on X11; without one it
# needs Qt's Wayland plugin.
if [ -z "${DISPLAY:-}" ] && ! ensure_packages qt6-wayland; then
  echo "This Wayland session has no X display (XWayland) and Qt's Wayland plugin is not installed:" \
       "install the package qt6-wayland (as root: apt-get install qt6-wayland), or turn XWayland on." >&2
  exit 1
fi

cmake -S . -B build/program -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROROVAVOZIR_TESTS=OFF \
      -DROROVAVOZIR_BENCH=OFF >/dev/null
cmake --build build/program --target rorovavozir -- -j"$(nproc)"

mkdir -p build/run/config
cp -rn config/. build/run/config/
[ -e build/run/ZaDuzed_Simple.ini ] || cp config/ZaDuzed_Simple.ini build/run/
cp build/program/src/app/rorovavozir build/run/rorovavozir

cd build/run
exec ./rorovavozir "$@"
