#!/usr/bin/env bash
# Recall of the engine's records against the pages' full text (bench/recall.py)
# and the rank the search page gives each page for a query drawn from it
# (bench/recall_queries.mjs), over the Python and PostgreSQL documentation and
# over the example site; with the program folder's settings and with the
# settings of each further SETUP-FOLDER given.
#
#   bench/recall.sh [BUILD-FOLDER] [WORK-FOLDER] [SETUP-FOLDER...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
work=${2:-${TMPDIR:-/tmp}/sitevane-recall}
shift $(($# > 2 ? 2 : $#))
cli=$build/bin/sitevane-cli
"$root/scripts/install-deps.sh" bench
[ -d "$root/tests/browser/node_modules" ] || (cd "$root/tests/browser" && npm ci --no-audit --no-fund --loglevel=error)
mkdir -p "$work"
work=$(cd "$work" && pwd)
. "$root/bench/doc_corpus.sh"
doc_corpus "$work"

for site in "$corpus" "$root/examples/site"; do
  name=$(basename "$site")
  reference=$work/reference-$name.json
  [ "$reference" -nt "$root/bench/recall.py" ] || python3 "$root/bench/recall.py" reference "$site" "$reference"
  for setup in "$build/bin" "$@"; do
    setup=$(cd "$setup" && pwd)
    engine=$work/engine/find.html
    rm -rf "$work/engine" && mkdir -p "$work/engine"
    "$cli" --setup "$build/bin/" new "$engine" Standard
    empty=$(stat -c %s "$engine")
    start=$(date +%s.%N)
    "$cli" --setup "$setup/" addsite "$engine" "$site" 0 --recurse >/dev/null 2>&1
    seconds=$(echo "$(date +%s.%N) - $start" | bc)
    "$cli" --setup "$build/bin/" dump "$engine" >"$work/dump.json"
    links=$(python3 -c 'import json, sys; print(len(json.load(open(sys.argv[1]))["links"]))' "$work/dump.json")
    echo "$name, settings of $setup:"
    python3 "$root/bench/recall.py" score "$reference" "$work/dump.json" "$work/engine" "$work/queries.json"
    awk -v bytes=$(($(stat -c %s "$engine") - empty)) -v links="$links" -v s="$seconds" \
      'BEGIN { printf "%.0f bytes a page, addsite %.0f pages/s\n", bytes / links, links / s }'
    node "$root/bench/recall_queries.mjs" "$engine" "$work/queries.json"
  done
done
