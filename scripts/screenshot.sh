#!/usr/bin/env bash
# Photographs the main window with the example engine open, on a virtual
# display: screenshot.sh [OUT.png] [file-menu]. With "file-menu", the File menu
# is open in the picture. Runs the README's run command first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build/sitevane-window.png}")
keys=""
# Without a window manager the window sits at the screen's corner: a click on
# the File menu's title opens it.
[ "${2:-}" = file-menu ] && keys="mousemove 20 8 click 1"
"$root/scripts/install-deps.sh" screenshot
env -u DISPLAY -u WAYLAND_DISPLAY "$root/scripts/run.sh"

# A window placement of its own, so that the person's settings stay untouched.
registry=$(mktemp -d)
trap 'rm -rf "$registry"' EXIT
bin="$root/build/bin"
printf '[General]\nSetupDir=%s/\nTemplatesPath=%s/Templates/\nProjectsPath=%s/Projects/\nDefEngineName=svxdb.js\nBeginSignature=//Settings\nEndSignature=//DatabaseEnd\n' \
  "$bin" "$bin" "$bin" > "$registry/machine.conf"
printf '[General]\nX0=0\nY0=0\nDX=1000\nDY=620\nMaximize=0\n' > "$registry/user.conf"

SITEVANE_REGISTRY_DIR="$registry" xvfb-run -a -s "-screen 0 1000x620x24" bash -c '
  "$1" "$2" &
  program=$!
  sleep 4
  if [ -n "$4" ]; then
    xdotool $4
    sleep 1
  fi
  xwd -root -silent | convert xwd:- "$3"
  kill $program' screenshot "$bin/sitevane" "$root/build/example-site/svxdb.js" "$out" "$keys"
echo "Screenshot of the main window: $out"
