#!/usr/bin/env bash
# sitevane-cli addsite beside `cat` of the same pages and Pagefind 1.6, over the
# HTML pages of the Python 3.11 and PostgreSQL 15 documentation (1,699 pages),
# interleaved, three rounds each (the best is printed); addsite at the shipped
# IndexDepthLimit and at a whole-page depth (1 MB). Then the scale series: the
# same pages 1, 4, 16 and 60 times over (hard-linked copies, about 100,000 pages
# at 60x), and the peak memory of dump and load of the largest engine.
#
#   bench/scan_vs_peers.sh [BUILD-FOLDER] [WORK-FOLDER]
set -euo pipefail
export LC_ALL=C # a point before the decimals of $EPOCHREALTIME, for awk
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
work=${2:-${TMPDIR:-/tmp}/sitevane-scan-bench}
cli=$build/bin/sitevane-cli
"$root/scripts/install-deps.sh" bench
mkdir -p "$work"
work=$(cd "$work" && pwd)

# Pagefind from npm, installed outside the timing.
if [ ! -x "$work/pagefind/node_modules/.bin/pagefind" ]; then
  mkdir -p "$work/pagefind"
  (cd "$work/pagefind" && npm install --no-audit --no-fund --loglevel=error pagefind@1.6 >/dev/null)
fi
pagefind=$work/pagefind/node_modules/.bin/pagefind

. "$root/bench/doc_corpus.sh"
doc_corpus "$work"
pages=$(find "$corpus" -name '*.html' -type f | wc -l)
corpus_bytes=$(find "$corpus" -name '*.html' -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')

# The program folder's settings, and a copy that rates whole pages.
deep=$work/deep-setup
mkdir -p "$deep"
cp "$build/bin/set.xml" "$build/bin/tags.xml" "$build/bin/words.xml" "$deep/"
sed -i 's|<IndexDepthLimit value="[0-9]*"/>|<IndexDepthLimit value="1024"/>|' "$deep/set.xml"

engine=$work/svxdb.js
new_engine() { printf '<script>\n//Settings\n//DatabaseEnd\n</script>' >"$engine"; }

# Runs a command under GNU time; prints "SECONDS KILOBYTES".
measure() {
  /usr/bin/time -f '%e %M' -o "$work/time.txt" "$@" >/dev/null 2>&1
  cat "$work/time.txt"
}
# Runs PREPARE, then the command, timed to the microsecond (GNU time tells
# hundredths only, too coarse for runs of a tenth of a second); then PREPARE
# and the command once more under GNU time for its peak memory. Prints
# "SECONDS KILOBYTES".
timed() { # PREPARE COMMAND...
  local prepare=$1
  shift
  "$prepare"
  local start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1
  local end=$EPOCHREALTIME
  "$prepare"
  read -r _ kilobytes < <(measure "$@")
  awk -v s="$start" -v e="$end" -v k="$kilobytes" 'BEGIN { printf "%.4f %s\n", e - s, k }'
}
best() { sort -n | head -1; } # of "SECONDS KILOBYTES" lines, the fastest

addsite() { # SETUP-FOLDER SITE
  new_engine
  measure "$cli" --setup "$1/" addsite "$engine" "$2" 0 --recurse
}
no_pagefind_output() { rm -rf "$work/pagefind-out"; }

: >"$work/cat.txt" >"$work/shipped.txt" >"$work/deep.txt" >"$work/pagefind.txt" >"$work/start.txt"
for round in 1 2 3; do
  timed : sh -c "find '$corpus' -type f -exec cat {} + >/dev/null" >>"$work/cat.txt"
  timed : "$cli" --help >>"$work/start.txt"
  timed new_engine "$cli" --setup "$build/bin/" addsite "$engine" "$corpus" 0 --recurse >>"$work/shipped.txt"
  shipped_bytes=$(stat -c %s "$engine")
  timed new_engine "$cli" --setup "$deep/" addsite "$engine" "$corpus" 0 --recurse >>"$work/deep.txt"
  deep_bytes=$(stat -c %s "$engine")
  timed no_pagefind_output "$pagefind" --site "$corpus" --output-path "$work/pagefind-out" >>"$work/pagefind.txt"
  pagefind_bytes=$(du -sb "$work/pagefind-out" | cut -f1)
done

report() { # NAME RESULTS-FILE BYTES
  best <"$2" | awk -v name="$1" -v pages="$pages" -v bytes="$3" '{
    printf "%-30s %8.3f s %10.0f pages/s %8.1f MB peak %9s\n", name, $1, pages / ($1 > 0 ? $1 : 0.005),
      $2 / 1024, bytes == "" ? "" : sprintf("%.0f B/page", bytes / pages) }'
}
echo "$pages pages, $((corpus_bytes / 1000000)) MB, best of three interleaved rounds"
report "cat" "$work/cat.txt" ""
report "sitevane-cli --help (start)" "$work/start.txt" ""
report "addsite, shipped depth" "$work/shipped.txt" "$shipped_bytes"
report "addsite, whole pages (1 MB)" "$work/deep.txt" "$deep_bytes"
report "Pagefind 1.6" "$work/pagefind.txt" "$pagefind_bytes"
read -r cat_s _ < <(best <"$work/cat.txt")
read -r start_s _ < <(best <"$work/start.txt")
read -r shipped_s _ < <(best <"$work/shipped.txt")
read -r deep_s _ < <(best <"$work/deep.txt")
read -r pagefind_s _ < <(best <"$work/pagefind.txt")
awk -v c="$cat_s" -v st="$start_s" -v s="$shipped_s" -v d="$deep_s" -v p="$pagefind_s" 'BEGIN {
  printf "addsite (shipped) / (3 x cat + start): %.2f\n", s / (3 * c + st)
  printf "Pagefind / addsite (whole pages): %.1f\n", p / (d > 0 ? d : 0.005) }'

echo
echo "scale series (addsite at the shipped depth, best of two)"
for copies in 1 4 16 60; do
  site=$work/scale-$copies
  if [ ! -d "$site" ]; then
    mkdir -p "$site"
    for ((k = 1; k <= copies; k++)); do cp -al "$corpus" "$site/copy-$k"; done
  fi
  : >"$work/scale.txt"
  for round in 1 2; do addsite "$build/bin" "$site" >>"$work/scale.txt"; done
  best <"$work/scale.txt" | awk -v n=$((pages * copies)) -v copies="$copies" '{
    printf "%3dx %7d pages %8.3f s %7.1f us/page %8.1f MB peak\n", copies, n, $1, $1 / n * 1e6, $2 / 1024 }'
done

echo
size=$(stat -c %s "$engine")
dump=$(measure "$cli" --setup "$build/bin/" dump "$engine")
"$cli" --setup "$build/bin/" dump "$engine" >"$work/links.json"
new_engine
load=$(measure "$cli" --setup "$build/bin/" load "$engine" "$work/links.json")
awk -v size="$size" -v dump="$dump" -v loaded="$load" 'BEGIN {
  split(dump, d, " "); split(loaded, l, " ")
  printf "engine of the 60x scan: %.1f MB; dump %.2f s, %.1f MB peak (%.2f x the engine); load %.2f s, %.1f MB peak (%.2f x)\n",
    size / 1e6, d[1], d[2] / 1024, d[2] * 1024 / size, l[1], l[2] / 1024, l[2] * 1024 / size }'
