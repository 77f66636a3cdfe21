#!/usr/bin/env bash
# Installs what is missing, builds Sitevane and indexes the bundled example site
# (examples/site) into a new engine file made from the Standard template.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" build -DSITEVANE_SANITIZE=OFF -DSITEVANE_TESTS=OFF -DSITEVANE_BENCH=OFF

bin="$root/build/bin"
cli=("$bin/sitevane-cli" --setup "$bin")
site="$root/build/example-site"
engine="$site/svxdb.js"

# A fresh copy of the site, so that the engine file lives beside its pages.
rm -rf "$site"
cp -r "$root/examples/site" "$site"
"${cli[@]}" new "$engine" Standard

echo "== Indexing $site"
"${cli[@]}" addsite "$engine" "$site" 0 --recurse

echo "== The engine file holds $(grep -c '^  .[0-9-]*+' "$engine") links: $engine"
echo "Open its search page in a browser: file://$site/search.html"
