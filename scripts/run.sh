#!/usr/bin/env bash
# Installs what is missing, builds Sitevane, indexes the bundled example site
# (examples/site) into a new engine file made from the Standard template, and
# opens the window program on it when there is a display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
# A fresh build folder leaves the tests out; an existing one keeps its options.
if [ -f "$root/build/CMakeCache.txt" ]; then
  "$root/scripts/build.sh" build
else
  "$root/scripts/build.sh" build -DSITEVANE_SANITIZE=OFF -DSITEVANE_TESTS=OFF -DSITEVANE_BENCH=OFF
fi

bin="$root/build/bin"
cli=("$bin/sitevane-cli" --setup "$bin")
site="$root/build/example-site"
engine="$site/svxdb.js"

# A fresh copy of the site, so that the engine file lives beside its pages.
rm -rf "$site"
cp -r "$root/examples/site" "$site"
"${cli[@]}" new "$engine" Standard

# One category for each part of the site, the pages at the top in the first.
cat > "$site/categories.json" <<'JSON'
{"categories":["Home","Lessons","Club","Media","News","Racing"],"links":[]}
JSON
"${cli[@]}" load "$engine" "$site/categories.json"
rm "$site/categories.json"

echo "== Indexing $site"
"${cli[@]}" addsite "$engine" "$site" 0
"${cli[@]}" addsite "$engine" "$site/lessons" 1 --recurse
"${cli[@]}" addsite "$engine" "$site/club" 2 --recurse
"${cli[@]}" addsite "$engine" "$site/media" 3 --recurse
"${cli[@]}" addsite "$engine" "$site/news" 4 --recurse
"${cli[@]}" addsite "$engine" "$site/racing" 5 --recurse

echo "== The engine file holds $(grep -c '^  .[0-9-]*+' "$engine") links: $engine"
echo "Open its search page in a browser: file://$site/search.html"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "== Opening the window program on it"
  exec "$bin/sitevane" "$engine"
fi
echo "No display: open it later with $bin/sitevane $engine"
