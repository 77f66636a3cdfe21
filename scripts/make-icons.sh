#!/usr/bin/env bash
# Renders the application's icon (packaging/icons/org.sitevane.Sitevane.svg)
# into the usual PNG sizes of the hicolor theme; the results are committed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
icons="$root/packaging/icons"
if ! command -v rsvg-convert >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get install -y -qq --no-install-recommends librsvg2-bin
fi
for size in 16 24 32 48 64 128 256; do
  mkdir -p "$icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" "$icons/org.sitevane.Sitevane.svg" \
    -o "$icons/${size}x${size}/org.sitevane.Sitevane.png"
done
