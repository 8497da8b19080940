#!/usr/bin/env bash
# Configures and builds into a build folder (default: build/ in the checkout).
# Usage: build.sh [build-dir] [extra cmake options...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=${1:-$root/build}
shift || true
cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir"
