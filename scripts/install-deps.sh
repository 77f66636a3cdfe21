#!/usr/bin/env bash
# Installs the Debian packages Sitevane needs that are not there yet; with the
# argument "tests", also those that the tests and benchmarks need; with
# "screenshot", the virtual display and the tools that photograph the window;
# with "bench", the documentation pages and tools of bench/scan_vs_peers.sh
# and bench/recall.sh;
# with "package", the tools that build and check the Debian package.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang libclang-rt-14-dev
  libgtest-dev libbenchmark-dev
  qt6-base-dev libcli11-dev nlohmann-json3-dev libicu-dev
  libpoppler-private-dev poppler-data
  # the window's text on a machine without a desktop
  fonts-dejavu-core
)
if [ "${1:-}" = tests ]; then
  packages+=(
    # real documentation pages for the keyword-rating tests and measurements
    sqlite3-doc git-doc
    # the search pages are tested in headless Chromium, driven from Node.js
    chromium
    # real PDFs, the reference text extractor, and encrypted test documents
    texlive-fonts-recommended-doc asymptote-doc dblatex-doc freefem-doc camlidl-doc gmsh-doc
    poppler-utils qpdf
    # the reference of the RTF converter benchmark
    unrtf
  )
  command -v node >/dev/null 2>&1 || packages+=(nodejs npm)
fi
if [ "${1:-}" = bench ]; then
  packages+=(python3.11-doc postgresql-doc-15 time python3 bc)
  command -v node >/dev/null 2>&1 || packages+=(nodejs npm)
fi
if [ "${1:-}" = package ]; then
  packages+=(dpkg-dev lintian)
fi
if [ "${1:-}" = screenshot ]; then
  packages+=(xvfb xauth x11-apps imagemagick xdotool openbox qt6-gtk-platformtheme)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
