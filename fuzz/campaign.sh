#!/usr/bin/env bash
# A fuzz campaign beside the 30-second CI runs: each target for SECONDS of wall
# time, two at a time (one per core), at nice 19, with CPU time from
# /usr/bin/time -v. Corpora, logs and any findings stay in OUT between runs.
#   fuzz/campaign.sh BUILD-FUZZ OUT [SECONDS] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2/artifacts"
out=$(cd "$2" && pwd)
seconds=${3:-900}
shift $(($# < 3 ? $# : 3))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(docsift engine rating settings rtf mp3)

seeds() {
  case $1 in
    rtf | mp3) echo "$root/fuzz/seeds/$1" ;;
    engine) echo "$root/templates $root/examples/site" ;;
    rating) echo "$root/examples/site $root/data/Manual" ;;
    settings) echo "$root/data" ;;
    docsift) echo "$build/seeds-docsift" ;;
  esac
}

run() {
  mkdir -p "$out/$1-corpus"
  # shellcheck disable=SC2046
  (cd "$out" && nice -n 19 /usr/bin/time -v -o "$1.time" "$build/$1_fuzzer" -max_total_time="$seconds" \
    -max_len=65536 -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="artifacts/$1-" "$1-corpus" $(seeds "$1") > "$1.log" 2>&1) && status=0 || status=$?
  echo "$1: exit $status, $(grep -h 'stat::number_of_executed_units' "$out/$1.log" | awk '{print $2}') executions," \
    "$(grep -h 'User time\|System time' "$out/$1.time" | awk '{s += $4} END {print s}') CPU seconds"
}

for ((i = 0; i < ${#targets[@]}; i += 2)); do
  run "${targets[i]}" &
  [ $((i + 1)) -lt ${#targets[@]} ] && run "${targets[i + 1]}" &
  wait
done
ls "$out/artifacts"
