#!/usr/bin/env bash
# Configures and builds one build folder: build.sh FOLDER [CMAKE OPTIONS...]
set -euo pipefail
folder=$1
shift
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$root/$folder" -j "$(nproc)"
