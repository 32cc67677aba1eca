#!/usr/bin/env bash
# Sets up what the build needs, builds, and runs every test.
#   ./test.sh             normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

build_dir=build
cmake_args=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-asan
  cmake_args=(-G Ninja -DCMAKE_BUILD_TYPE=Debug -DROROVAVOZIR_SANITIZE=ON -DROROVAVOZIR_BENCH=OFF)
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
fi

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

# The Open XML schema validator that the document tests run (pinned in its package-lock.json).
command -v npm >/dev/null || ensure_packages nodejs npm
if [ ! -d tools/ooxml-validate/node_modules ]; then
  (cd tools/ooxml-validate && npm ci --silent --no-audit --no-fund)
fi

cmake -S . -B "$build_dir" "${cmake_args[@]}" >/dev/null
cmake --build "$build_dir" -- -j"$(nproc)"
cd "$build_dir"
ctest --output-on-failure -j"$(nproc)"
