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
fi

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

cmake -S . -B "$build_dir" "${cmake_args[@]}" >/dev/null
cmake --build "$build_dir" -- -j"$(nproc)"
cd "$build_dir"
ctest --output-on-failure -j"$(nproc)"
