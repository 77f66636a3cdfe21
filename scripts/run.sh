#!/usr/bin/env bash
# Installs what is missing, builds Sitevane and runs it on the bundled example.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" build -DSITEVANE_SANITIZE=OFF -DSITEVANE_TESTS=OFF -DSITEVANE_BENCH=OFF

cli="$root/build/bin/sitevane-cli"
echo "== Settings the program starts with (program folder: $root/build/bin)"
"$cli" --setup "$root/build/bin" settings
echo "== Markup tokens of the example page examples/site/index.html (first 20)"
"$cli" tokens "$root/examples/site/index.html" > "$root/build/example-tokens.jsonl"
head -n 20 "$root/build/example-tokens.jsonl"
