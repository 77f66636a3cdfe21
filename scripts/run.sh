#!/usr/bin/env bash
# Installs what is missing, builds Sitevane and runs it on the bundled example.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" build -DSITEVANE_SANITIZE=OFF -DSITEVANE_TESTS=OFF -DSITEVANE_BENCH=OFF

bin="$root/build/bin"
cli=("$bin/sitevane-cli" --setup "$bin")
example="$root/examples/site/index.html"
engine_folder="$root/build/example-engine"

echo "== Keywords of the example page $example"
"${cli[@]}" rate "$example"

echo "== A new engine file from the Standard template"
rm -rf "$engine_folder"
mkdir -p "$engine_folder"
"${cli[@]}" new "$engine_folder/svxdb.js" Standard
"${cli[@]}" dump "$engine_folder/svxdb.js"
echo "Engine file: $engine_folder/svxdb.js"
echo "Its search page: file://$engine_folder/search.html"
