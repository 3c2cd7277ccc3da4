#!/usr/bin/env bash
# Builds everything and runs every test: the whole suite on a normal build, then everything but
# the installation again under AddressSanitizer and UndefinedBehaviorSanitizer, the desktop
# shell and the help viewer included (tests/sanitizers/lsan.supp names the system libraries
# whose own leaks the leak checker passes over).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
jobs=$(nproc)

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$root/build" -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build" --output-on-failure -j"$jobs"

# The installation and the package are checked once, above: under the sanitizers they would
# check the same files, built slower.
cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DDORVAN_SANITIZE=ON \
  -DDORVAN_BUILD_QT=ON > /dev/null
cmake --build "$root/build-sanitize" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j"$jobs" -E '^install\.'
