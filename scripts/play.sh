#!/usr/bin/env bash
# Builds the game and opens it. An argument, when given, is the program's command line
# ("4" opens the 4D window, "5" the 4D window at half size, anything else the 3D window).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$root/build" -j"$(nproc)" --target dorvan dorvan-script
exec "$root/build/dorvan" "$@"
