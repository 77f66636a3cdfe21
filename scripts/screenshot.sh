#!/usr/bin/env bash
# Photographs the main window with the example engine open, on a virtual
# 1280x800 display with a window manager: screenshot.sh [OUT.png] [CASE].
# CASE is one of
#   window          the window as it first starts (the default)
#   file-menu       the File menu open
#   filter          the filter field narrowing the links to "safety"
#   dark            under a dark desktop theme (GTK's Adwaita dark)
#   update-summary  an update over a site whose pages are partly gone, its
#                   warnings skipped: the summary of the missing pages
#   utf-8           a UTF-8 engine with texts in Latin, Cyrillic and Greek
# Runs the README's run command first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build/sitevane-window.png}")
case=${2:-window}
"$root/scripts/install-deps.sh" screenshot
env -u DISPLAY -u WAYLAND_DISPLAY "$root/scripts/run.sh"

# Settings of its own, so that the person's stay untouched; no window
# placement, so that the window opens as on a first start.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bin="$root/build/bin"
printf '[General]\nSetupDir=%s/\nTemplatesPath=%s/Templates/\nProjectsPath=%s/Projects/\nDefEngineName=svxdb.js\nBeginSignature=//Settings\nEndSignature=//DatabaseEnd\n' \
  "$bin" "$bin" "$bin" > "$scratch/machine.conf"
export SITEVANE_REGISTRY_DIR="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"

site="$root/build/example-site"
# xdotool steps after the window has come up.
case "$case" in
  window) keys=() ;;
  file-menu) keys=(key alt+f) ;;
  filter) keys=(key ctrl+f sleep 0.5 type safety) ;;
  dark)
    export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
    keys=(key Down Down Down)
    ;;
  update-summary)
    # A copy of the site without its lessons: their links find no page.
    cp -r "$site" "$scratch/site"
    rm -rf "$scratch/site/lessons"
    site="$scratch/site"
    keys=(key ctrl+F4 sleep 2 key alt+k)
    ;;
  utf-8)
    # A UTF-8 engine (its byte-order mark says so) with texts in three scripts.
    site="$scratch/site"
    mkdir -p "$site"
    printf '\xEF\xBB\xBF//Settings\n//DatabaseEnd\n' >"$site/svxdb.js"
    printf '%s' '{"categories":["Café","Москва","Αθήνα"],"links":[
      {"category":0,"caption":"Crème brûlée","url":"fr/creme.html","keywords":["crème","brûlée"]},
      {"category":1,"caption":"Привет, мир","url":"ru/privet.html","keywords":["привет","мир"]},
      {"category":2,"caption":"Καλημέρα κόσμε","url":"el/kalimera.html","keywords":["καλημέρα"]}]}' \
      >"$scratch/utf8.json"
    "$bin/sitevane-cli" load "$site/svxdb.js" "$scratch/utf8.json"
    keys=()
    ;;
  *)
    echo "screenshot.sh: unknown case $case" >&2
    exit 2
    ;;
esac

xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  out=$1 program=$2 engine=$3
  shift 3
  openbox >/dev/null 2>&1 &
  sleep 1
  "$program" "$engine" &
  sitevane=$!
  sleep 4
  if [ $# -gt 0 ]; then
    xdotool search --sync --onlyvisible --class sitevane windowactivate --sync >/dev/null 2>&1 || true
    xdotool "$@"
    sleep 2
  fi
  import -window root "$out"
  kill $sitevane' screenshot "$out" "$bin/sitevane" "$site/svxdb.js" "${keys[@]}"
echo "Screenshot of the main window ($case): $out"
